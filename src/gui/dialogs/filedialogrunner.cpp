// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/dialogs/filedialogrunner.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace vennor {
namespace {

FileDialogRunner& installedRunner()
{
    static FileDialogRunner runner;
    return runner;
}

bool isPlainExtension(const QString& extension)
{
    return !extension.isEmpty() && !extension.contains(QLatin1Char('*')) &&
           !extension.contains(QLatin1Char('?'));
}

std::optional<FileDialogResult> showQFileDialog(const FileDialogRequest& request)
{
    const bool save = request.kind == FileDialogRequest::Kind::Save;
    QFileDialog dialog(request.owner, request.title, request.startFolder);
    dialog.setObjectName(QStringLiteral("fileDialog"));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    const bool mustExist = !save && (request.flags & fileDialogOption::fileMustExist) != 0;
    dialog.setFileMode(mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite,
                     !save || (request.flags & fileDialogOption::confirmOverwrite) == 0);

    const QStringList filters = qtNameFilters(request.filter);
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size()) {
        dialog.selectNameFilter(filters.at(request.filterIndex - 1));
    }
    const QString extension = request.defaultExt.startsWith(QLatin1Char('.'))
                                  ? request.defaultExt.mid(1)
                                  : request.defaultExt;
    if (isPlainExtension(extension)) {
        dialog.setDefaultSuffix(extension);
    }
    if (!request.fileName.isEmpty()) {
        dialog.selectFile(request.fileName);
    }

    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    const QString path = QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
    // Like the platform dialog, a confirmed file makes its folder the current one, so the
    // next request starts where the user last was.
    QDir::setCurrent(QFileInfo(path).absolutePath());
    const int index = int(filters.indexOf(dialog.selectedNameFilter())) + 1;
    return FileDialogResult{path, index > 0 ? index : request.filterIndex, request.flags};
}

} // namespace

std::optional<FileDialogResult> runFileDialog(const FileDialogRequest& request)
{
    if (installedRunner()) {
        return installedRunner()(request);
    }
    return showQFileDialog(request);
}

void setFileDialogRunner(FileDialogRunner runner)
{
    installedRunner() = std::move(runner);
}

QStringList qtNameFilters(const QString& storedFilter)
{
    QStringList items = storedFilter.split(QChar(u'\0'));
    while (!items.isEmpty() && items.last().isEmpty()) {
        items.removeLast();
    }
    QStringList filters;
    for (qsizetype i = 0; i + 1 < items.size(); i += 2) {
        const QString patterns = items.at(i + 1).split(QLatin1Char(';')).join(QLatin1Char(' '));
        const QString description = items.at(i).trimmed();
        const QString suffix = QStringLiteral("(%1)").arg(patterns);
        filters << (description.endsWith(suffix)
                        ? description
                        : QStringLiteral("%1 %2").arg(description, suffix).trimmed());
    }
    return filters;
}

} // namespace vennor
