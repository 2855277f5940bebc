// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QWidget;

namespace vennor {

// One open or save dialog request: its settings in properties, the dialog shown by showOpen or
// showSave, and, when the user confirmed a file, the results written back into the properties.
// A cancelled dialog changes nothing.
class FileDialog
{
public:
    FileDialog();

    bool cancelError() const { return cancelError_; }
    void setCancelError(bool value) { cancelError_ = value; }
    const QString& defaultExtension() const { return defaultExtension_; }
    void setDefaultExtension(const QString& value) { defaultExtension_ = value; }
    const QString& dialogTitle() const { return dialogTitle_; }
    void setDialogTitle(const QString& value) { dialogTitle_ = value; }
    const QString& fileName() const { return fileName_; }
    void setFileName(const QString& value) { fileName_ = value; }
    const QString& fileTitle() const { return fileTitle_; }
    void setFileTitle(const QString& value) { fileTitle_ = value; }
    qint16 filterIndex() const { return filterIndex_; }
    void setFilterIndex(qint16 value) { filterIndex_ = value; }
    // Read and written as "description|pattern|..."; kept in the dialog's NUL separated form.
    QString filter() const;
    void setFilter(const QString& value);
    const QString& storedFilter() const { return filter_; }
    quint32 flags() const { return flags_; }
    void setFlags(quint32 value) { flags_ = value; }
    const QString& initialFolder() const { return initialFolder_; }
    void setInitialFolder(const QString& value) { initialFolder_ = value; }
    qint16 maxFileSize() const { return maxFileSize_; }
    void setMaxFileSize(qint16 value) { maxFileSize_ = value; }
    // The save dialog's owner window; none when null.
    QWidget* owner() const { return owner_; }
    void setOwner(QWidget* value) { owner_ = value; }
    qint16 extensionOffset() const { return extensionOffset_; }

    // The open dialog is owned by the main window; the save dialog by owner.
    void showOpen(QWidget* mainWindow);
    void showSave();

private:
    void show(bool save, QWidget* owner);

    bool cancelError_ = false;
    QString defaultExtension_;
    QString dialogTitle_;
    QString fileName_;
    QString fileTitle_;
    qint16 filterIndex_ = 1;
    QString filter_;
    quint32 flags_ = 0;
    QString initialFolder_;
    qint16 maxFileSize_ = 260;
    QWidget* owner_ = nullptr;
    qint16 extensionOffset_ = 0;
};

} // namespace vennor
