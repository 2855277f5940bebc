#include "about/helpcommands.h"

#include "platform/recordhost.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>

namespace vennor::help {

namespace {

UrlOpener& installedOpener()
{
    static UrlOpener opener;
    return opener;
}

void open(const QUrl& url)
{
    if (installedOpener()) {
        installedOpener()(url);
        return;
    }
    QDesktopServices::openUrl(url);
}

} // namespace

void setUrlOpener(UrlOpener opener)
{
    installedOpener() = std::move(opener);
}

QString helpFilePath()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Vennor.Hlp"));
}

void helpTopics(RecordHost& host)
{
    host.focusNameBox();
    open(QUrl::fromLocalFile(helpFilePath()));
}

void latestVersion()
{
    open(QUrl(QString::fromLatin1(kLatestVersionPage)));
}

void mailGroup()
{
    open(QUrl(QString::fromLatin1(kMailGroupPage)));
}

} // namespace vennor::help
