// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/help/userguidewindow.h"

#include <QKeySequence>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace vennor {

UserGuideWindow::UserGuideWindow(QWidget* owner)
    : QWidget(owner, Qt::Window), browser_(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("userGuide"));
    setWindowTitle(tr("Vennor Help"));
    browser_->setObjectName(QStringLiteral("guideText"));
    browser_->setAccessibleName(tr("User guide"));
    browser_->setOpenExternalLinks(true);
    //: The guide written in the translation's language, where there is one.
    browser_->setSource(QUrl(tr("qrc:/help/guide.html")));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    // Wide enough for the guide's lines at any font size: the page is laid out in text widths.
    const QFontMetrics metrics = fontMetrics();
    resize(metrics.averageCharWidth() * 100, metrics.lineSpacing() * 40);
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
}

UserGuideWindow* UserGuideWindow::showFor(QWidget* owner)
{
    auto* window = owner->findChild<UserGuideWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (!window) {
        window = new UserGuideWindow(owner);
        // First shown over the middle of the main window, within the screen; later where the
        // user left it.
        const QRect screen = owner->screen()->availableGeometry();
        window->resize(window->size().boundedTo(screen.size() * 9 / 10));
        QRect frame = window->frameGeometry();
        frame.moveCenter(owner->frameGeometry().center());
        window->move(frame.topLeft());
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

} // namespace vennor
