// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <cstdint>

namespace vennor {

// The one key under which every settings line is stored.
inline QString scrambleKey()
{
    return QStringLiteral("quillmop");
}

// An exact model of the run-time generator that earlier installations scrambled with, so
// that the settings files they wrote read back.
class RunTimeRandom
{
public:
    // Rnd(x): x < 0 reseeds from x's bit pattern; x == 0 repeats the last value.
    float rnd(float x = 1.0f);
    // Randomize(n): mixes the upper half of n's bit pattern into the state.
    void randomize(double n);

private:
    std::uint32_t state_ = 0x50000;
};

std::int32_t keyseed(const QString& key);

// The stored form of one plain line: printable ASCII only, one shift per kept character.
QString scramble(const QString& key, const QString& plain);
QString unscramble(const QString& key, const QString& stored);

} // namespace vennor
