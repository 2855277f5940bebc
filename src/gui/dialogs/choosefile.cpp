// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/dialogs/choosefile.h"

#include "gui/dialogs/filedialog.h"

#include <QDir>

namespace vennor {
namespace {

constexpr qint16 kMaxFileSize = 5120;

void prepare(FileDialog& dialog, const QString& title, const QString& filter, quint32 options,
             const QString& fileName, const QString& extension)
{
    dialog.setMaxFileSize(kMaxFileSize);
    dialog.setDefaultExtension(extension);
    dialog.setDialogTitle(title);
    dialog.setFileName(fileName);
    dialog.setFilter(filter);
    dialog.setFlags(options);
    dialog.setInitialFolder(QDir::toNativeSeparators(QDir::currentPath()));
}

} // namespace

QString chooseFileToOpen(QWidget* mainWindow, const QString& title, const QString& filter,
                         quint32 options)
{
    FileDialog dialog;
    prepare(dialog, title, filter, options, {}, QStringLiteral("*.*"));
    dialog.showOpen(mainWindow);
    return dialog.fileName();
}

QString chooseFileToSave(const QString& title, const QString& filter, quint32 options,
                         const QString& name)
{
    FileDialog dialog;
    // A name typed without an extension is given the phone book's, so that Get backup,
    // which lists .dat files, finds the copy.
    prepare(dialog, title, filter, options, name + QStringLiteral(".dat"), QStringLiteral("dat"));
    dialog.showSave();
    // A cancelled dialog leaves the proposed name in fileName; only a confirmed one sets
    // fileTitle.
    return dialog.fileTitle().isEmpty() ? QString() : dialog.fileName();
}

} // namespace vennor
