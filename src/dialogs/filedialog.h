#pragma once

#include <QString>

class QWidget;

namespace vennor {

// One open or save dialog request: its settings in properties, the dialog shown by ShowOpen or
// ShowSave, and, when the user confirmed a file, the results written back into the properties.
// A cancelled dialog changes nothing.
class FileDialog
{
public:
    FileDialog();

    bool CancelError() const { return CancelError_; }
    void setCancelError(bool value) { CancelError_ = value; }
    const QString& DefaultExt() const { return DefaultExt_; }
    void setDefaultExt(const QString& value) { DefaultExt_ = value; }
    const QString& DialogTitle() const { return DialogTitle_; }
    void setDialogTitle(const QString& value) { DialogTitle_ = value; }
    const QString& FileName() const { return FileName_; }
    void setFileName(const QString& value) { FileName_ = value; }
    const QString& FileTitle() const { return FileTitle_; }
    void setFileTitle(const QString& value) { FileTitle_ = value; }
    qint16 FilterIndex() const { return FilterIndex_; }
    void setFilterIndex(qint16 value) { FilterIndex_ = value; }
    // Read and written as "description|pattern|..."; kept in the dialog's NUL separated form.
    QString Filter() const;
    void setFilter(const QString& value);
    const QString& storedFilter() const { return Filter_; }
    quint32 flags() const { return flags_; }
    void setFlags(quint32 value) { flags_ = value; }
    const QString& InitDir() const { return InitDir_; }
    void setInitDir(const QString& value) { InitDir_ = value; }
    qint16 MaxFileSize() const { return MaxFileSize_; }
    void setMaxFileSize(qint16 value) { MaxFileSize_ = value; }
    // The save dialog's owner window; none when null.
    QWidget* hWnd() const { return hWnd_; }
    void setHWnd(QWidget* value) { hWnd_ = value; }
    qint16 FileExt() const { return FileExt_; }

    // The open dialog is owned by the main window; the save dialog by hWnd.
    void ShowOpen(QWidget* mainWindow);
    void ShowSave();

private:
    void show(bool save, QWidget* owner);

    bool CancelError_ = false;
    QString DefaultExt_;
    QString DialogTitle_;
    QString FileName_;
    QString FileTitle_;
    qint16 FilterIndex_ = 1;
    QString Filter_;
    quint32 flags_ = 0;
    QString InitDir_;
    qint16 MaxFileSize_ = 260;
    QWidget* hWnd_ = nullptr;
    qint16 FileExt_ = 0;
};

} // namespace vennor
