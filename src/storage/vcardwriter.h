#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace vennor {

enum class VCardVersion { v30, v40 };

// A text value with its backslashes, commas, semicolons and line breaks escaped.
QString escapedText(QStringView text);

// Appends one content line, UTF-8, folded so that no line exceeds 75 octets (a fold never
// splits a UTF-8 sequence), ended CR LF.
void appendFoldedLine(QByteArray& out, QByteArrayView line);

} // namespace vennor
