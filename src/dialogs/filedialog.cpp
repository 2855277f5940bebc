#include "dialogs/filedialog.h"

#include "dialogs/filedialogrunner.h"

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
qint16 extensionOffset(const QString& path)
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
    CancelError_ = false;
    DefaultExt_.clear();
    DialogTitle_.clear();
    FileName_.clear();
    FileTitle_.clear();
    setFilter(QStringLiteral("All Files (*.*)|*.*"));
    FilterIndex_ = 1;
    flags_ = 0;
    InitDir_ = QStringLiteral("C:\\");
    MaxFileSize_ = 260;
    hWnd_ = nullptr;
}

QString FileDialog::Filter() const
{
    QString text = Filter_;
    text.replace(kNul, QLatin1Char('|'));
    for (int i = 0; i < 2 && text.endsWith(QLatin1Char('|')); ++i) {
        text.chop(1);
    }
    return text;
}

void FileDialog::setFilter(const QString& value)
{
    Filter_ = value;
    Filter_.replace(QLatin1Char('|'), kNul);
    for (int i = 0; i < 2 && !Filter_.endsWith(QString(2, kNul)); ++i) {
        Filter_ += kNul;
    }
}

void FileDialog::ShowOpen(QWidget* mainWindow)
{
    show(false, mainWindow);
}

void FileDialog::ShowSave()
{
    show(true, hWnd_);
}

void FileDialog::show(bool save, QWidget* owner)
{
    FileDialogRequest request;
    request.kind = save ? FileDialogRequest::Kind::Save : FileDialogRequest::Kind::Open;
    request.owner = owner;
    request.title = DialogTitle_;
    request.filter = Filter_;
    request.filterIndex = FilterIndex_;
    request.startFolder = QDir::toNativeSeparators(QDir::currentPath());
    request.fileName = FileName_;
    request.defaultExt = DefaultExt_;
    request.flags = flags_;
    request.maxFileSize = MaxFileSize_;

    const std::optional<FileDialogResult> result = runFileDialog(request);
    // A path longer than the buffer is a failed dialog, as on the platform.
    if (!result || result->path.size() > MaxFileSize_) {
        return;
    }
    flags_ = result->flags;
    DefaultExt_ = request.defaultExt;
    FileName_ = trimBlanks(result->path);
    FileTitle_ = trimBlanks(result->path.mid(baseNameStart(result->path)));
    FileExt_ = extensionOffset(result->path);
    Filter_ = trimBlanks(request.filter);
    InitDir_ = trimBlanks(request.startFolder);
    FilterIndex_ = qint16(result->filterIndex);
}

} // namespace vennor
