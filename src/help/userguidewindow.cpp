#include "help/userguidewindow.h"

#include <QKeySequence>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace vennor {

UserGuideWindow::UserGuideWindow(QWidget* owner)
    : QWidget(owner, Qt::Window), browser_(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("userGuide"));
    setWindowTitle(QStringLiteral("Vennor Help"));
    browser_->setObjectName(QStringLiteral("guideText"));
    browser_->setAccessibleName(QStringLiteral("User guide"));
    browser_->setOpenExternalLinks(true);
    browser_->setSource(QUrl(QStringLiteral("qrc:/help/guide.html")));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    // Wide enough for the guide's lines at any font size: the page is laid out in text widths.
    const QFontMetrics metrics = fontMetrics();
    resize(metrics.averageCharWidth() * 90, metrics.lineSpacing() * 36);
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
}

UserGuideWindow* UserGuideWindow::showFor(QWidget* owner)
{
    auto* window = owner->findChild<UserGuideWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (!window) {
        window = new UserGuideWindow(owner);
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

} // namespace vennor
