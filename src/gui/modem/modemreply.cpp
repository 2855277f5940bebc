// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/modem/modemreply.h"

#include <QCoreApplication>
#include <array>

namespace vennor {
namespace {

struct Reply
{
    const char* words;
    const char* code; // the same result with numeric replies (ATV0)
    const char* meaning;
};

constexpr std::array<Reply, 7> kReplies = {{
    {"OK", "0", QT_TRANSLATE_NOOP("vennor::DialingWindow", "Pick up the handset")},
    {"BUSY", "7", QT_TRANSLATE_NOOP("vennor::DialingWindow", "The line is busy")},
    {"NO DIALTONE", "6", QT_TRANSLATE_NOOP("vennor::DialingWindow", "No dial tone")},
    {"NO DIAL TONE", "6", QT_TRANSLATE_NOOP("vennor::DialingWindow", "No dial tone")},
    {"NO CARRIER", "3", QT_TRANSLATE_NOOP("vennor::DialingWindow", "No answer")},
    {"NO ANSWER", "8", QT_TRANSLATE_NOOP("vennor::DialingWindow", "No answer")},
    {"ERROR", "4", QT_TRANSLATE_NOOP("vennor::DialingWindow", "The modem refused the command")},
}};

} // namespace

std::optional<QString> replyMeaning(const QString& line)
{
    const QString reply = line.trimmed();
    for (const Reply& known : kReplies) {
        if (reply.compare(QLatin1String(known.words), Qt::CaseInsensitive) == 0 ||
            reply == QLatin1String(known.code)) {
            return QCoreApplication::translate("vennor::DialingWindow", known.meaning);
        }
    }
    return std::nullopt;
}

} // namespace vennor
