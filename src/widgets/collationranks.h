// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCollator>
#include <QStringList>
#include <array>
#include <bitset>
#include <cstdint>
#include <vector>

namespace vennor {

// A collator's order of the printable ASCII characters, as ranks from 1 (a letter and its
// capital share one when the collator ignores case); 0 marks a character left to the
// collator. A text made only of ranked characters, and holding none of the pairs the collator
// weighs as one letter (Danish "aa", Czech "ch"), sorts as its sequence of ranks compared
// element by element, a shorter text first. Only what the collator is seen to do counts, and
// the letters its locale is known to write with several characters (joinedLetters).
class CollationRanks
{
public:
    CollationRanks(const QCollator& collator, const QStringList& joinedLetters);

    std::uint8_t rank(unsigned c) const { return c < 0x80 ? ranks_[c] : 0; }
    // The rank of a character already known to be ASCII.
    std::uint8_t asciiRank(unsigned c) const { return ranks_[c]; }
    // Whether the collator weighs c after previous as one letter with it.
    bool joined(unsigned previous, unsigned c) const { return joined_[(previous << 7) | c]; }
    bool anyJoined() const { return anyJoined_; }

private:
    void rankCharacters(const QCollator& collator);
    void findJoinedPairs(const QCollator& collator);
    bool keepsRanks(const QCollator& collator, char first, char second,
                    const std::vector<std::vector<char>>& ofRank) const;

    std::array<std::uint8_t, 128> ranks_{};
    std::bitset<std::size_t{128} * 128> joined_;
    bool anyJoined_ = false;
};

} // namespace vennor
