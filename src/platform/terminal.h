// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdio>

namespace vennor {

// Whether the program's error output is a terminal someone reads; false when it was started
// from the desktop (a clicked link), where only a window can tell the user anything.
bool errorsGoToTerminal();

// While it lives, what is typed on the terminal in is not echoed (a password); on anything
// that is not a terminal it does nothing.
class UnechoedInput
{
public:
    explicit UnechoedInput(FILE* in);
    ~UnechoedInput();
    UnechoedInput(const UnechoedInput&) = delete;
    UnechoedInput& operator=(const UnechoedInput&) = delete;

    bool isTerminal() const { return terminal_; }

private:
    FILE* in_;
    bool terminal_ = false;
    unsigned long savedFlags_ = 0;
};

} // namespace vennor
