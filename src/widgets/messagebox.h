// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace vennor {

// Every message of the program goes through here: a text, a title, OK or OK and Cancel (or
// Replace, Skip and Cancel for what to do with records that exist already).
// Tests answer the boxes through a responder instead of showing them.
class MessageBox
{
public:
    enum class Buttons { Ok, OkCancel, ReplaceSkipCancel };
    enum class Answer { Ok, Cancel, Replace, Skip };

    struct Request
    {
        QString text;
        QString title;
        Buttons buttons = Buttons::Ok;
        QString informative; // optional second paragraph
        // A box with OK alone warns unless it tells of something done.
        bool success = false;
    };

    static Answer show(QWidget* parent, const Request& request);
    static Answer ok(QWidget* parent, const QString& text, const QString& title);
    static Answer okCancel(QWidget* parent, const QString& text, const QString& title);

    // Test seam: while set, every box is passed to the responder instead of being shown.
    using Responder = std::function<Answer(const Request&)>;
    static void setResponder(Responder responder);

private:
    static Responder& responder();
};

} // namespace vennor
