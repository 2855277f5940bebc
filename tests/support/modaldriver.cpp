// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/modaldriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>

namespace vennor::test {

ModalDriver::ModalDriver()
{
    timer_.setInterval(5);
    connect(&timer_, &QTimer::timeout, this, &ModalDriver::poll);
}

void ModalDriver::expect(const char* className, std::function<void(QWidget*)> action)
{
    queue_.push_back({QByteArray(className), std::move(action)});
    timer_.start();
}

bool ModalDriver::waitAllHandled(int timeoutMs)
{
    return QTest::qWaitFor([this] { return queue_.empty(); }, timeoutMs);
}

void ModalDriver::poll()
{
    if (queue_.empty()) {
        timer_.stop();
        return;
    }
    if (acting_) {
        return;
    }
    QWidget* window = QApplication::activeModalWidget();
    if (window == nullptr || !window->isVisible() || !window->inherits(queue_.front().className)) {
        return;
    }
    auto action = std::move(queue_.front().action);
    queue_.pop_front();
    if (queue_.empty()) {
        timer_.stop();
    }
    // Run outside this timer's slot: an action that opens another modal window must not keep
    // the timer from finding that one too.
    acting_ = true;
    QTimer::singleShot(0, this, [this, action = std::move(action), target = QPointer(window)] {
        acting_ = false;
        if (target) {
            action(target);
        }
    });
}

void clickButton(QWidget* window, const char* objectName)
{
    auto* button = window->findChild<QAbstractButton*>(QString::fromLatin1(objectName));
    Q_ASSERT_X(button != nullptr, "clickButton", objectName);
    button->click();
}

void clickAndType(QWidget* window, const char* objectName, const QString& text)
{
    auto* control = window->findChild<QWidget*>(QString::fromLatin1(objectName));
    Q_ASSERT_X(control != nullptr, "clickAndType", objectName);
    QTest::mouseClick(control, Qt::LeftButton);
    QTest::keyClicks(QApplication::focusWidget(), text);
}

} // namespace vennor::test
