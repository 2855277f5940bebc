// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/keytable.h"

#include <algorithm>
#include <array>
#include <utility>

namespace vennor {
namespace {

constexpr std::size_t kUnsortedLimit = 1024;
// The entries are sorted by the top bits of their tags only: two passes of the radix sort
// instead of three, and a lookup looks at the few entries whose tags share those bits.
constexpr int kSortedShift = 42;

std::uint64_t sortKey(std::uint64_t entry)
{
    return entry >> kSortedShift;
}

// Stable sort by the top bits, eleven bits a pass: few enough buckets that the places written
// to stay in the caches.
void radixSortByTag(std::vector<std::uint64_t>& entries)
{
    constexpr int kBits = 11;
    // As roomy as the entries, so that the next few added after the sort move nothing.
    std::vector<std::uint64_t> buffer;
    buffer.reserve(entries.capacity());
    buffer.resize(entries.size());
    for (int shift = kSortedShift; shift < 64; shift += kBits) {
        std::array<std::size_t, 1 << kBits> starts{};
        for (const std::uint64_t entry : entries) {
            ++starts[(entry >> shift) & ((1 << kBits) - 1)];
        }
        std::size_t sum = 0;
        for (std::size_t& start : starts) {
            sum += std::exchange(start, sum);
        }
        for (const std::uint64_t entry : entries) {
            buffer[starts[(entry >> shift) & ((1 << kBits) - 1)]++] = entry;
        }
        entries.swap(buffer);
    }
}

} // namespace

void KeyTable::clear()
{
    std::vector<std::uint64_t>().swap(entries_);
    sorted_ = 0;
}

void KeyTable::seal()
{
    if (entries_.size() - sorted_ > kUnsortedLimit || (sorted_ == 0 && !entries_.empty())) {
        radixSortByTag(entries_);
        sorted_ = entries_.size();
    }
}

std::vector<std::uint32_t> KeyTable::find(std::uint32_t tag) const
{
    std::vector<std::uint32_t> records;
    const auto sortedEnd = entries_.cbegin() + std::ptrdiff_t(sorted_);
    const std::uint64_t wanted = std::uint64_t(tag) << 32;
    const auto before = [](std::uint64_t entry, std::uint64_t key) {
        return sortKey(entry) < sortKey(key);
    };
    for (auto it = std::lower_bound(entries_.cbegin(), sortedEnd, wanted, before);
         it != sortedEnd && sortKey(*it) == sortKey(wanted); ++it) {
        if (*it >> 32 == tag) {
            records.push_back(std::uint32_t(*it));
        }
    }
    for (auto it = sortedEnd; it != entries_.cend(); ++it) {
        if (*it >> 32 == tag) {
            records.push_back(std::uint32_t(*it));
        }
    }
    std::sort(records.begin(), records.end());
    records.erase(std::unique(records.begin(), records.end()), records.end());
    return records;
}

} // namespace vennor
