// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/scramble.h"

#include <bit>
#include <cmath>

namespace vennor {
namespace {

constexpr std::uint32_t kStateMask = 0xFFFFFF;
constexpr int kFirstPrintable = 32;
constexpr int kLastPrintable = 126;
constexpr int kPrintableCount = 95;

bool takesPart(char16_t c)
{
    return c >= kFirstPrintable && c <= kLastPrintable;
}

// Draws one shift (0 to 95) per taking-part character, in order, from a freshly seeded
// generator: the same key always yields the same sequence.
class ShiftSequence
{
public:
    explicit ShiftSequence(const QString& key)
    {
        random_.rnd(-1.0f);
        random_.randomize(double(keyseed(key)));
    }
    int next() { return int(std::floor(double(random_.rnd()) * 96.0)); }

private:
    RunTimeRandom random_;
};

} // namespace

float RunTimeRandom::rnd(float x)
{
    if (x == 0.0f) {
        return float(state_) / float(1u << 24);
    }
    if (x < 0.0f) {
        const auto bits = std::bit_cast<std::uint32_t>(x);
        state_ = (bits + (bits >> 24)) & kStateMask;
    }
    state_ = (state_ * 0x43FD43FDu + 0xC39EC3u) & kStateMask;
    return float(state_) / float(1u << 24);
}

void RunTimeRandom::randomize(double n)
{
    const auto high = std::uint32_t(std::bit_cast<std::uint64_t>(n) >> 32);
    state_ = (((high & 0xFFFFu) << 8) ^ ((high >> 8) & 0xFFFF00u)) | (state_ & 0xFF0000FFu);
}

std::int32_t keyseed(const QString& key)
{
    std::uint32_t h = 0;
    int a = 0;
    int b = 0;
    for (const QChar ch : key) {
        const std::uint32_t c = ch.unicode() & 0xFF;
        h ^= (c << a) ^ (c << b);
        a = (a + 7) % 19;
        b = (b + 13) % 23;
    }
    return std::int32_t(h);
}

QString scramble(const QString& key, const QString& plain)
{
    ShiftSequence shifts(key);
    QString out;
    out.reserve(plain.size());
    for (const QChar ch : plain) {
        if (!takesPart(ch.unicode())) {
            continue;
        }
        const int c = ch.unicode() - kFirstPrintable;
        out.append(QChar(char16_t((c + shifts.next()) % kPrintableCount + kFirstPrintable)));
    }
    return out;
}

QString unscramble(const QString& key, const QString& stored)
{
    ShiftSequence shifts(key);
    QString out;
    out.reserve(stored.size());
    for (const QChar ch : stored) {
        if (!takesPart(ch.unicode())) {
            continue;
        }
        int d = (ch.unicode() - kFirstPrintable - shifts.next()) % kPrintableCount;
        if (d < 0) {
            d += kPrintableCount;
        }
        out.append(QChar(char16_t(d + kFirstPrintable)));
    }
    return out;
}

} // namespace vennor
