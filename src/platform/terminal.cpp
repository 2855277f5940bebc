// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/terminal.h"

#include <cstdio>

#ifdef _WIN32
#include <io.h>
#else
#include <termios.h>
#include <unistd.h>
#endif

namespace vennor {

bool errorsGoToTerminal()
{
#ifdef _WIN32
    return _isatty(_fileno(stderr)) != 0;
#else
    return isatty(fileno(stderr)) != 0;
#endif
}

#ifdef _WIN32
UnechoedInput::UnechoedInput(FILE* in) : in_(in), terminal_(_isatty(_fileno(in)) != 0) {}

UnechoedInput::~UnechoedInput() = default;
#else
UnechoedInput::UnechoedInput(FILE* in) : in_(in), terminal_(isatty(fileno(in)) != 0)
{
    termios settings{};
    if (terminal_ && tcgetattr(fileno(in_), &settings) == 0) {
        savedFlags_ = settings.c_lflag;
        settings.c_lflag &= ~tcflag_t(ECHO);
        tcsetattr(fileno(in_), TCSANOW, &settings);
    }
}

UnechoedInput::~UnechoedInput()
{
    termios settings{};
    if (terminal_ && tcgetattr(fileno(in_), &settings) == 0) {
        settings.c_lflag = tcflag_t(savedFlags_);
        tcsetattr(fileno(in_), TCSANOW, &settings);
    }
}
#endif

} // namespace vennor
