#include "widgets/collationranks.h"

#include <QString>
#include <algorithm>
#include <vector>

namespace vennor {
namespace {

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

CollationRanks::CollationRanks(const QCollator& collator)
{
    rankCharacters(collator);
    findJoinedPairs(collator);
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
        ranks_[size_t(c)] = rank;
        previous = c;
    }
}

// A pair weighed as one letter has a weight of its own, and a weight other than its first
// character's puts the pair out of its place among the texts beginning with that character:
// before the first character alone, or not between the neighbours of its second character.
void CollationRanks::findJoinedPairs(const QCollator& collator)
{
    std::vector<char> ofRank(size_t(*std::max_element(ranks_.begin(), ranks_.end())) + 2, 0);
    for (char c = 0x7E; c >= 0x20; --c) {
        if (ranks_[size_t(c)] != 0) {
            ofRank[ranks_[size_t(c)]] = c;
        }
    }
    for (char first = 0x20; first < 0x7F; ++first) {
        if (ranks_[size_t(first)] == 0) {
            continue;
        }
        const QString alone = charText(first);
        for (char second = 0x20; second < 0x7F; ++second) {
            const std::uint8_t rank = ranks_[size_t(second)];
            if (rank == 0) {
                continue;
            }
            const QString pair = alone + QChar(second);
            bool asRanked = collator.compare(pair, alone) > 0;
            for (const std::uint8_t neighbour : {std::uint8_t(rank - 1), std::uint8_t(rank + 1)}) {
                if (asRanked && ofRank[neighbour] != 0) {
                    asRanked = sign(collator.compare(pair, alone + QChar(ofRank[neighbour]))) ==
                               sign(int(rank) - int(neighbour));
                }
            }
            if (!asRanked) {
                joined_.set((size_t(first) << 7) | size_t(second));
                anyJoined_ = true;
            }
        }
    }
}

} // namespace vennor
