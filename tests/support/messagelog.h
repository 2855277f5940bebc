// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "widgets/messagebox.h"

#include <QList>
#include <deque>
#include <functional>

namespace vennor::test {

// Answers every message box while it lives, recording what was asked. Answers queued with
// answerNext() are used first, in order; after them every box is answered OK (or the
// default set with answerRest()). An action queued with onNext() runs when the box is shown,
// before it is answered (to check the state of the windows at that moment).
class MessageLog
{
public:
    MessageLog();
    ~MessageLog();
    MessageLog(const MessageLog&) = delete;
    MessageLog& operator=(const MessageLog&) = delete;

    void answerNext(MessageBox::Answer answer) { answers_.push_back(answer); }
    void answerRest(MessageBox::Answer answer) { rest_ = answer; }
    void onNext(std::function<void(const MessageBox::Request&)> action)
    {
        actions_.push_back(std::move(action));
    }

    const QList<MessageBox::Request>& shown() const { return shown_; }
    qsizetype count() const { return shown_.size(); }
    QStringList texts() const;
    const MessageBox::Request& last() const { return shown_.last(); }
    void clear() { shown_.clear(); }

private:
    MessageBox::Answer respond(const MessageBox::Request& request);

    QList<MessageBox::Request> shown_;
    std::deque<MessageBox::Answer> answers_;
    std::deque<std::function<void(const MessageBox::Request&)>> actions_;
    MessageBox::Answer rest_ = MessageBox::Answer::Ok;
};

} // namespace vennor::test
