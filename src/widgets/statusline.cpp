// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/statusline.h"

#include "widgets/messagebox.h"

#include <QMouseEvent>

namespace vennor {

StatusLine::StatusLine(QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
}

void StatusLine::setMessage(const QString& message)
{
    message_ = message;
    setToolTip(message);
    elide();
}

// However long the message, it never widens the window.
QSize StatusLine::minimumSizeHint() const
{
    return {0, QLabel::minimumSizeHint().height()};
}

void StatusLine::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    elide();
}

void StatusLine::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && !message_.isEmpty()) {
        MessageBox::ok(this, message_, QStringLiteral("Vennor"));
    }
}

void StatusLine::elide()
{
    setText(fontMetrics().elidedText(message_, Qt::ElideRight, contentsRect().width()));
}

} // namespace vennor
