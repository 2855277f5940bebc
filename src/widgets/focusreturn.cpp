// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/focusreturn.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace vennor {
namespace {

// Windows the user works in and closes: not menus, tooltips or the drop-down of a list.
bool isWorkWindow(const QObject* object)
{
    const auto* widget = qobject_cast<const QWidget*>(object);
    return widget && widget->isWindow() &&
           (widget->windowType() == Qt::Dialog || widget->windowType() == Qt::Window);
}

} // namespace

FocusReturn::FocusReturn(QObject* parent) : QObject(parent)
{
    qApp->installEventFilter(this);
}

bool FocusReturn::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show && isWorkWindow(watched)) {
        QWidget* focused =
            QApplication::focusWidget() ? QApplication::focusWidget() : pending_.data();
        if (focused && focused->window() != watched) {
            cameFrom_.insert(watched, focused);
        }
    } else if (event->type() == QEvent::Hide && cameFrom_.contains(watched)) {
        // Once the closing is over: the command that opened the window may still move the
        // focus within its own window, and that choice stands.
        pending_ = cameFrom_.take(watched);
        QTimer::singleShot(0, this, [this, control = pending_] { giveBack(control); });
    }
    return false;
}

void FocusReturn::giveBack(QPointer<QWidget> control)
{
    if (!control || !control->isVisible() ||
        (QApplication::activeWindow() && QApplication::focusWidget())) {
        return;
    }
    QWidget* window = control->window();
    if (const QWidget* modal = QApplication::activeModalWidget(); modal && modal != window) {
        return; // the control waits behind another dialog
    }
    window->activateWindow();
    (window->focusWidget() ? window->focusWidget() : control.data())->setFocus();
    if (pending_ == control) {
        pending_ = nullptr;
    }
}

} // namespace vennor
