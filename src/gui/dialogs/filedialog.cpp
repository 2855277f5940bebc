// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/dialogs/filedialog.h"

#include "gui/dialogs/filedialogrunner.h"

#include <QCoreApplication>
#include <QDir>
#include <algorithm>

namespace vennor {
namespace {

const QChar kNul(u'\0');

// Only blanks, as the dialog pads its buffers with them; NULs of the filter stay.
QString trimBlanks(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == QLatin1Char(' ')) {
        ++begin;
    }
    while (end > begin && text.at(end - 1) == QLatin1Char(' ')) {
        --end;
    }
    return text.mid(begin, end - begin);
}

qsizetype baseNameStart(const QString& path)
{
    return std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\'))) + 1;
}

// Where the extension starts, as the dialog reports it: after the last "." of the file name;
// the end of the path when there is none; 0 when the name ends in the ".".
qint16 extensionStart(const QString& path)
{
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot < baseNameStart(path)) {
        return qint16(path.size());
    }
    return dot + 1 == path.size() ? qint16(0) : qint16(dot + 1);
}

} // namespace

FileDialog::FileDialog()
{
    cancelError_ = false;
    defaultExtension_.clear();
    dialogTitle_.clear();
    fileName_.clear();
    fileTitle_.clear();
    setFilter(QCoreApplication::translate("vennor::FileDialog", "All Files (*.*)|*.*"));
    filterIndex_ = 1;
    flags_ = 0;
    initialFolder_ = QStringLiteral("C:\\");
    maxFileSize_ = 260;
    owner_ = nullptr;
}

QString FileDialog::filter() const
{
    QString text = filter_;
    text.replace(kNul, QLatin1Char('|'));
    for (int i = 0; i < 2 && text.endsWith(QLatin1Char('|')); ++i) {
        text.chop(1);
    }
    return text;
}

void FileDialog::setFilter(const QString& value)
{
    filter_ = value;
    filter_.replace(QLatin1Char('|'), kNul);
    for (int i = 0; i < 2 && !filter_.endsWith(QString(2, kNul)); ++i) {
        filter_ += kNul;
    }
}

void FileDialog::showOpen(QWidget* mainWindow)
{
    show(false, mainWindow);
}

void FileDialog::showSave()
{
    show(true, owner_);
}

void FileDialog::show(bool save, QWidget* owner)
{
    FileDialogRequest request;
    request.kind = save ? FileDialogRequest::Kind::Save : FileDialogRequest::Kind::Open;
    request.owner = owner;
    request.title = dialogTitle_;
    request.filter = filter_;
    request.filterIndex = filterIndex_;
    request.startFolder = QDir::toNativeSeparators(QDir::currentPath());
    request.fileName = fileName_;
    request.defaultExt = defaultExtension_;
    request.flags = flags_;
    request.maxFileSize = maxFileSize_;

    const std::optional<FileDialogResult> result = runFileDialog(request);
    // A path longer than the buffer is a failed dialog, as on the platform.
    if (!result || result->path.size() > maxFileSize_) {
        return;
    }
    flags_ = result->flags;
    defaultExtension_ = request.defaultExt;
    fileName_ = trimBlanks(result->path);
    fileTitle_ = trimBlanks(result->path.mid(baseNameStart(result->path)));
    extensionOffset_ = extensionStart(result->path);
    filter_ = trimBlanks(request.filter);
    initialFolder_ = trimBlanks(request.startFolder);
    filterIndex_ = qint16(result->filterIndex);
}

} // namespace vennor
