#pragma once

#include <QString>

namespace vennor {

// Whether a phone book can bear the name: it must survive the scrambling of the settings file
// (printable ASCII only) and form a file name in the phone book folder (none of \ / : * ? " < >
// |, not only dots, not empty).
bool isValidBookName(const QString& name);

// The base name of a file path: after the last "/" or "\", before the last "." that follows it;
// the whole base name when it holds no ".".
QString baseNameOf(const QString& dir);

} // namespace vennor
