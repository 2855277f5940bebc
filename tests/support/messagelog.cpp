// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/messagelog.h"

namespace vennor::test {

MessageLog::MessageLog()
{
    MessageBox::setResponder(
        [this](const MessageBox::Request& request) { return respond(request); });
}

MessageLog::~MessageLog()
{
    MessageBox::setResponder({});
}

QStringList MessageLog::texts() const
{
    QStringList result;
    for (const auto& request : shown_) {
        result << request.text;
    }
    return result;
}

MessageBox::Answer MessageLog::respond(const MessageBox::Request& request)
{
    shown_.append(request);
    if (!actions_.empty()) {
        auto action = std::move(actions_.front());
        actions_.pop_front();
        action(request);
    }
    if (answers_.empty()) {
        return rest_;
    }
    const MessageBox::Answer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

} // namespace vennor::test
