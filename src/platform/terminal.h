#pragma once

namespace vennor {

// Whether the program's error output is a terminal someone reads; false when it was started
// from the desktop (a clicked link), where only a window can tell the user anything.
bool errorsGoToTerminal();

} // namespace vennor
