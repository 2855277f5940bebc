// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>

namespace vennor::test {

// Acts on modal windows once they are shown, in the order the expectations were queued:
// the code under test calls exec() and waits; the driver finds the window by its class and
// runs the action (press a button, type a text). It polls for the window, never guesses a
// time. Expectations left unmet when the driver is destroyed are reported by pending().
class ModalDriver : public QObject
{
public:
    ModalDriver();

    template <typename Window> void whenShown(std::function<void(Window*)> action)
    {
        expect(Window::staticMetaObject.className(),
               [action](QWidget* w) { action(static_cast<Window*>(w)); });
    }
    // By class name, for windows whose class the test cannot see.
    void expect(const char* className, std::function<void(QWidget*)> action);

    int pending() const { return int(queue_.size()); }
    // Spins the event loop until every expectation was met or the time ran out.
    bool waitAllHandled(int timeoutMs = 10000);

private:
    void poll();

    struct Expectation
    {
        QByteArray className;
        std::function<void(QWidget*)> action;
    };
    std::deque<Expectation> queue_;
    bool acting_ = false; // an action is queued to run: the window it is for is still shown
    QTimer timer_;
};

// Clicks the child button with the given object name.
void clickButton(QWidget* window, const char* objectName);

// Clicks the named child of window, as a user gives it the focus, and types text into
// whatever took the focus.
void clickAndType(QWidget* window, const char* objectName, const QString& text);

} // namespace vennor::test
