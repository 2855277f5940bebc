// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/about/helpcommands.h"

#include "gui/help/userguidewindow.h"
#include "gui/recordhost.h"

#include <QDesktopServices>

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

void helpTopics(RecordHost& host)
{
    host.focusNameBox();
    UserGuideWindow::showFor(host.window());
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
