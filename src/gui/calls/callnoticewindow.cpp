// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/calls/callnoticewindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace vennor {

namespace {

QLabel* plainLabel(const QString& text, const char* name, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText); // names and numbers come from the network
    label->setHidden(text.isEmpty());
    return label;
}

} // namespace

CallNoticeWindow::CallNoticeWindow(const CallNotice& notice, QWidget* parent)
    // No frame, as desktops show their notices: a window manager would add buttons to
    // minimise and maximise it to any frame, and the notice has its own Close.
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus |
                          Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("callNotice"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(notice.summary);

    QLabel* summary = plainLabel(notice.summary, "noticeSummary", this);
    QFont bold = summary->font();
    bold.setBold(true);
    summary->setFont(bold);
    auto* buttons = new QHBoxLayout;
    const auto button = [this, buttons](const QString& text, const char* name, auto action) {
        auto* pushButton = new QPushButton(text, this);
        pushButton->setObjectName(QLatin1String(name));
        pushButton->setFocusPolicy(Qt::NoFocus);
        connect(pushButton, &QPushButton::clicked, this, action);
        buttons->addWidget(pushButton);
    };
    if (notice.canShow()) {
        button(CallNotice::showText(), "noticeShow", [this] {
            emit showRequested();
            close();
        });
    }
    if (notice.canAdd()) {
        button(CallNotice::addText(), "noticeAdd", [this] {
            emit addRequested();
            close();
        });
    }
    button(tr("Close"), "noticeClose", [this] { close(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary);
    layout->addWidget(plainLabel(notice.body, "noticeBody", this));
    layout->addLayout(buttons);
    adjustSize();
    placeInCorner();
    QTimer::singleShot(kShownMs, this, &QWidget::close);
}

// The top right corner of the screen the main window is on, where desktops show notices.
void CallNoticeWindow::placeInCorner()
{
    const QScreen* shownOn = parentWidget() ? parentWidget()->screen() : screen();
    if (shownOn == nullptr) {
        return;
    }
    constexpr int kMargin = 16;
    const QRect area = shownOn->availableGeometry();
    move(area.right() - width() - kMargin, area.top() + kMargin);
}

} // namespace vennor
