// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/search/pattern.h"

namespace vennor {

Pattern::Pattern(QStringView pattern)
{
    for (qsizetype pos = 0; pos < pattern.size() && valid_; ++pos) {
        const char16_t c = pattern[pos].unicode();
        switch (c) {
        case u'*':
            // A run of stars matches what one star matches.
            if (tokens_.empty() || tokens_.back().kind != Kind::Star) {
                tokens_.push_back({Kind::Star});
            }
            break;
        case u'?':
            tokens_.push_back({Kind::AnyOne});
            break;
        case u'#':
            tokens_.push_back({Kind::Digit});
            break;
        case u'[':
            valid_ = compileSet(pattern, pos);
            break;
        default:
            tokens_.push_back({Kind::Literal, c});
            break;
        }
    }
}

// Reads "[...]" starting at pos (the "["), leaving pos on the closing "]".
bool Pattern::compileSet(QStringView pattern, qsizetype& pos)
{
    const qsizetype close = pattern.indexOf(u']', pos + 1);
    if (close < 0) {
        return false;
    }
    QStringView list = pattern.sliced(pos + 1, close - pos - 1);
    pos = close;
    if (list.isEmpty()) {
        return true; // "[]" stands for no character at all
    }
    Token token{Kind::Set};
    if (list.front() == u'!') {
        token.negated = true;
        list = list.sliced(1);
    }
    token.firstRange = int(ranges_.size());
    for (qsizetype i = 0; i < list.size(); ++i) {
        const char16_t first = list[i].unicode();
        char16_t last = first;
        if (i + 2 < list.size() && list[i + 1] == u'-') {
            last = list[i + 2].unicode();
            i += 2;
            if (last < first) {
                return false;
            }
        }
        ranges_.push_back({first, last});
    }
    token.rangeCount = int(ranges_.size()) - token.firstRange;
    tokens_.push_back(token);
    return true;
}

bool Pattern::matchesOne(const Token& token, char16_t c) const
{
    switch (token.kind) {
    case Kind::Literal:
        return c == token.ch;
    case Kind::AnyOne:
        return true;
    case Kind::Digit:
        return c >= u'0' && c <= u'9';
    case Kind::Set: {
        bool inList = false;
        for (int r = token.firstRange; r < token.firstRange + token.rangeCount && !inList; ++r) {
            inList = c >= ranges_[r].first && c <= ranges_[r].last;
        }
        return inList != token.negated;
    }
    case Kind::Star:
        break;
    }
    return false;
}

// Every token but the star takes exactly one character, so backtracking to the last star
// seen is enough: the match is linear in practice and never recursive.
bool Pattern::matches(QStringView name) const
{
    if (!valid_) {
        return false;
    }
    constexpr size_t kNone = size_t(-1);
    size_t p = 0;
    qsizetype n = 0;
    size_t afterStar = kNone;
    qsizetype starFrom = 0;
    while (n < name.size()) {
        if (p < tokens_.size() && tokens_[p].kind == Kind::Star) {
            afterStar = ++p;
            starFrom = n;
        } else if (p < tokens_.size() && matchesOne(tokens_[p], name[n].unicode())) {
            ++p;
            ++n;
        } else if (afterStar != kNone) {
            p = afterStar;
            n = ++starFrom;
        } else {
            return false;
        }
    }
    while (p < tokens_.size() && tokens_[p].kind == Kind::Star) {
        ++p;
    }
    return p == tokens_.size();
}

QStringList findNames(const QStringList& entries, const QString& text)
{
    const Pattern pattern(QStringLiteral("*") + text + QStringLiteral("*"));
    QStringList found;
    if (!pattern.isValid()) {
        return found;
    }
    for (const QString& entry : entries) {
        if (!entry.isEmpty() && pattern.matches(entry)) {
            found.append(entry);
        }
    }
    return found;
}

} // namespace vennor
