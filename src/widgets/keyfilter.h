// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QChar>
#include <QKeySequence>
#include <QList>
#include <QObject>
#include <functional>

class QWidget;

namespace vennor {

// The key-press event of a control: the handler gets the character typed ('\r' for Enter) and
// returns whether it took the key, which the control then never sees. Keys that type no
// character pass by.
class KeyPressFilter : public QObject
{
public:
    using Handler = std::function<bool(QChar key)>;

    // Filters the keys typed into widget for as long as it lives.
    static void install(QWidget* widget, Handler handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    KeyPressFilter(QWidget* widget, Handler handler);

    Handler handler_;
};

// Keeps the window's menu accelerators working while a text box has the focus, even for keys
// the text box would use itself (Ctrl+A selects all in a line edit).
class AcceleratorGuard : public QObject
{
public:
    // Guards widget and every text-editing descendant of it.
    static void install(QWidget* widget, const QList<QKeySequence>& accelerators);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    AcceleratorGuard(QWidget* owner, QList<QKeySequence> accelerators);

    QList<QKeySequence> accelerators_;
};

} // namespace vennor
