// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/twips.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace vennor::twips {
namespace {

// The design font: 9 point DejaVu Sans at 96 dots per inch, the font the forms' twips were
// first rendered in at 12 a pixel. Its mean advance over a sentence, and its line height.
constexpr double kDesignCharWidth = 6.2696;
constexpr double kDesignLineHeight = 13.97;

// Mostly small letters and blanks, as the captions are: letters alone would make a fixed-width
// font look narrower than it reads.
double charWidth(const QFontMetricsF& metrics)
{
    static const QString sentence = QStringLiteral("The quick brown fox jumps over the lazy dog");
    return metrics.horizontalAdvance(sentence) / double(sentence.size());
}

} // namespace

double fontScale()
{
    const QFontMetricsF metrics(QApplication::font());
    const double scale =
        std::max(charWidth(metrics) / kDesignCharWidth, metrics.height() / kDesignLineHeight);
    // A font with broken metrics must not shrink the windows to nothing.
    return std::clamp(scale, 0.5, 8.0);
}

double pixelsPerTwip()
{
    return fontScale() / kDesignTwipsPerPixel;
}

QFont scaledFont(QFont font)
{
    font.setPointSizeF(font.pointSizeF() * fontScale());
    return font;
}

int toPixels(int twips)
{
    return int(std::lround(twips * pixelsPerTwip()));
}

QRect rect(int left, int top, int width, int height)
{
    return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
}

QSize size(int width, int height)
{
    return {toPixels(width), toPixels(height)};
}

void place(QWidget* widget, int left, int top, int width, int height)
{
    widget->setGeometry(rect(left, top, width, height));
}

void setClientSize(QWidget* window, int width, int height)
{
    window->setFixedSize(size(width, height));
}

} // namespace vennor::twips
