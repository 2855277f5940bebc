// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>

class QWidget;

namespace vennor {

// Gives the keyboard focus back to the window and control that had it when a message box,
// dialog or other window closes. Without it a box answered in a window that then closes
// leaves no window focused, and without a window manager nobody gives the focus back at all.
class FocusReturn : public QObject
{
public:
    // Watches every window of the application for as long as parent lives.
    explicit FocusReturn(QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void giveBack(QPointer<QWidget> control);

    // Each window shown, and the control that had the focus when it opened.
    QHash<QObject*, QPointer<QWidget>> cameFrom_;
    // The control a closed window is to give the focus back to, until it has it: a box shown
    // right after a dialog closed, when nothing has the focus, came from there too.
    QPointer<QWidget> pending_;
};

} // namespace vennor
