// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/collationranks.h"

#include <QString>
#include <algorithm>
#include <vector>

namespace vennor {
namespace {

// The characters ranked are ASCII; the index never sees a negative char.
std::size_t slot(char c)
{
    return static_cast<unsigned char>(c);
}

QString charText(char c)
{
    return QString(QChar(c));
}

// Whether the collator counts c at all and weighs it before whatever follows.
bool weighsFirst(const QCollator& collator, char c)
{
    const QString text = charText(c);
    return collator.compare(QStringLiteral("a") + text, QStringLiteral("a")) > 0 &&
           collator.compare(text + QStringLiteral("b"), QStringLiteral("b")) != 0;
}

int sign(int order)
{
    return (order > 0) - (order < 0);
}

} // namespace

CollationRanks::CollationRanks(const QCollator& collator, const QStringList& joinedLetters)
{
    rankCharacters(collator);
    findJoinedPairs(collator);
    for (const QString& letter : joinedLetters) {
        for (qsizetype i = 1; i < letter.size(); ++i) {
            const char16_t previous = letter.at(i - 1).unicode();
            const char16_t c = letter.at(i).unicode();
            if (previous < 0x80 && c < 0x80) {
                joined_.set((std::size_t{previous} << 7) | c);
                anyJoined_ = true;
            }
        }
    }
}

void CollationRanks::rankCharacters(const QCollator& collator)
{
    std::vector<char> chars;
    for (char c = 0x20; c < 0x7F; ++c) {
        if (weighsFirst(collator, c)) {
            chars.push_back(c);
        }
    }
    std::stable_sort(chars.begin(), chars.end(), [&collator](char a, char b) {
        return collator.compare(charText(a), charText(b)) < 0;
    });
    std::uint8_t rank = 0;
    char previous = 0;
    for (const char c : chars) {
        const int order = rank == 0 ? 1 : collator.compare(charText(previous), charText(c));
        if (order != 0) {
            // A difference only of accents or case would let later characters decide first;
            // such a character is left to the collator.
            if (rank != 0 && collator.compare(charText(previous) + QStringLiteral("~"),
                                              charText(c) + QStringLiteral(" ")) >= 0) {
                continue;
            }
            ++rank;
        }
        ranks_[slot(c)] = rank;
        previous = c;
    }
}

// A pair weighed as one letter has a weight of its own, which puts it out of its place among
// the texts beginning with its first character: before that character alone, not between the
// neighbours of its second character, or apart from the same letters in another case that
// are not weighed as one (Hungarian "sz" and "sZ").
void CollationRanks::findJoinedPairs(const QCollator& collator)
{
    std::vector<std::vector<char>> ofRank(size_t(*std::max_element(ranks_.begin(), ranks_.end())) +
                                          2);
    for (char c = 0x20; c < 0x7F; ++c) {
        if (ranks_[slot(c)] != 0) {
            ofRank[ranks_[slot(c)]].push_back(c);
        }
    }
    for (char first = 0x20; first < 0x7F; ++first) {
        for (char second = 0x20; second < 0x7F; ++second) {
            if (ranks_[slot(first)] != 0 && ranks_[slot(second)] != 0 &&
                !keepsRanks(collator, first, second, ofRank)) {
                joined_.set((slot(first) << 7) | slot(second));
                anyJoined_ = true;
            }
        }
    }
}

bool CollationRanks::keepsRanks(const QCollator& collator, char first, char second,
                                const std::vector<std::vector<char>>& ofRank) const
{
    const QString pair = charText(first) + QChar(second);
    const auto ordered = [&](char a, char b, int expected) {
        return b == 0 || sign(collator.compare(pair, charText(a) + QChar(b))) == expected;
    };
    const std::uint8_t rank = ranks_[slot(second)];
    const auto neighbour = [&](int r) {
        return ofRank[size_t(r)].empty() ? char{0} : ofRank[size_t(r)][0];
    };
    if (collator.compare(pair, charText(first)) <= 0 || !ordered(first, neighbour(rank - 1), 1) ||
        !ordered(first, neighbour(rank + 1), -1)) {
        return false;
    }
    for (const char other : ofRank[rank]) {
        if (!ordered(first, other, 0)) {
            return false;
        }
    }
    for (const char other : ofRank[ranks_[slot(first)]]) {
        if (!ordered(other, second, 0)) {
            return false;
        }
    }
    return true;
}

} // namespace vennor
