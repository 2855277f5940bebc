// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/fieldrules.h"

#include <algorithm>

namespace vennor {

bool isRefusedIn(RecordField field, QChar c)
{
    if (c == u'"') {
        return true;
    }
    const bool lineBreak = c == u'\n' || c == u'\r';
    switch (field) {
    case RecordField::name:
        return c == u',' || lineBreak;
    case RecordField::email:
        return lineBreak;
    case RecordField::address:
        return c == u'@' || lineBreak;
    case RecordField::comment:
        return false;
    }
    return false;
}

bool holdsRefused(RecordField field, const QString& text)
{
    return std::any_of(text.cbegin(), text.cend(),
                       [field](QChar c) { return isRefusedIn(field, c); });
}

QString blankRefused(RecordField field, QString text)
{
    std::replace_if(
        text.begin(), text.end(), [field](QChar c) { return isRefusedIn(field, c); }, QChar(u' '));
    return text;
}

} // namespace vennor
