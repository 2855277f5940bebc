// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <vector>

namespace vennor {

// A wildcard pattern: "*" any run, "?" one character, "#" one digit, "[list]" and "[!list]"
// one character in or not in the list (ranges written "a-z"); anything else stands for
// itself, case kept. A name matches when the whole name fits the whole pattern.
// A malformed pattern (an unclosed "[", a descending range) matches nothing.
class Pattern
{
public:
    explicit Pattern(QStringView pattern);

    bool isValid() const { return valid_; }
    bool matches(QStringView name) const;

private:
    enum class Kind { Literal, AnyOne, Digit, Set, Star };
    struct Range
    {
        char16_t first;
        char16_t last;
    };
    struct Token
    {
        Kind kind = Kind::Literal;
        char16_t ch = 0;      // Literal
        bool negated = false; // Set
        int firstRange = 0;   // Set: its ranges in ranges_
        int rangeCount = 0;
    };

    bool compileSet(QStringView pattern, qsizetype& pos);
    bool matchesOne(const Token& token, char16_t c) const;

    std::vector<Token> tokens_;
    std::vector<Range> ranges_;
    bool valid_ = true;
};

// The non-empty entries that contain the search text, read as a pattern, in their order.
QStringList findNames(const QStringList& entries, const QString& text);

} // namespace vennor
