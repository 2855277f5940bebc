// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/printabletext.h"

namespace vennor {
namespace {

bool isBidiControl(char32_t c)
{
    return c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2066 && c <= 0x2069);
}

bool isZeroWidth(char32_t c)
{
    return (c >= 0x200B && c <= 0x200D) || c == 0x2060 || c == 0xFEFF;
}

// Runs through the text by code point, so that a character beyond U+FFFF is never split.
template <typename Take> void forEachCodePoint(QStringView text, Take take)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            take(QChar::surrogateToUcs4(c, text[++i]));
        } else {
            take(c.isSurrogate() ? char32_t(0xFFFD) : char32_t(c.unicode()));
        }
    }
}

void appendCodePoint(QString& out, char32_t c)
{
    if (QChar::requiresSurrogates(c)) {
        out.append(QChar(QChar::highSurrogate(c)));
        out.append(QChar(QChar::lowSurrogate(c)));
    } else {
        out.append(QChar(char16_t(c)));
    }
}

} // namespace

bool isControlCharacter(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || isBidiControl(c) || isZeroWidth(c);
}

QString withoutControls(QStringView text)
{
    QString kept;
    kept.reserve(text.size());
    bool afterCr = false;
    forEachCodePoint(text, [&](char32_t c) {
        const bool lf = c == u'\n';
        if (c == u'\r' || (lf && !afterCr)) {
            kept.append(u'\n');
        } else if (c == u'\t') {
            kept.append(u' ');
        } else if (!lf && !isControlCharacter(c)) {
            appendCodePoint(kept, c);
        }
        afterCr = c == u'\r';
    });
    return kept;
}

QString printableForTerminal(QStringView text)
{
    QString shown;
    shown.reserve(text.size());
    forEachCodePoint(text, [&](char32_t c) {
        appendCodePoint(shown, c != u'\n' && isControlCharacter(c) ? char32_t(0xFFFD) : c);
    });
    return shown;
}

} // namespace vennor
