#pragma once

#include "storage/result.h"

#include <QString>

namespace vennor::app {

inline constexpr auto kDefaultInternationalPrefix = "00";

// "vennor.ini" in the settings folder: the program's own settings, kept apart from the
// settings file that earlier installations share. Only the user writes it.
QString dialSettingsPath();

// What a leading "+" of a number becomes: [tel] internationalPrefix, "00" when the file or
// the key is missing; a failure when the value is not digits.
Result<QString> internationalPrefix();

} // namespace vennor::app
