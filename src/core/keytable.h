// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <vector>

namespace vennor {

// Hashes of keys with the records that hold them; several records may share one. The entries
// are kept in one array sorted by hash, which a lookup searches by halves: built from a
// million records in one pass and a radix sort, far faster and smaller than a hash table
// filled one entry at a time. Entries added since the last sort are searched one by one until
// there are enough of them to sort in.
class KeyTable
{
public:
    void clear();
    void reserve(std::size_t entries) { entries_.reserve(entries); }
    void insert(std::uint32_t tag, std::uint32_t record)
    {
        entries_.push_back((std::uint64_t(tag) << 32) | record);
    }
    // Sorts the entries added since the last sort in, once they are many.
    void seal();
    std::vector<std::uint32_t> find(std::uint32_t tag) const; // ascending

private:
    std::vector<std::uint64_t> entries_;
    std::size_t sorted_ = 0; // entries_ before this are sorted by tag
};

} // namespace vennor
