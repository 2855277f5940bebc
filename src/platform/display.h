#pragma once

#include <QString>
#include <optional>

namespace vennor {

// Why no window can be shown here (no display to show it on), in one line with what to do
// instead; nullopt when a window can be shown.
std::optional<QString> missingDisplayReason();

} // namespace vennor
