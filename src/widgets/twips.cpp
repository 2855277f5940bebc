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

double measuredScale(const QFont& font)
{
    const QFontMetricsF metrics(font);
    const double scale =
        std::max(charWidth(metrics) / kDesignCharWidth, metrics.height() / kDesignLineHeight);
    // A font with broken metrics must not shrink the windows to nothing.
    return std::clamp(scale, 0.5, 8.0);
}

} // namespace

double fontScale()
{
    // Measuring lays out a sentence, and a print moves its progress bar once a record: the
    // scale is kept for the font it was measured in (by its key, which outlives the
    // application, as a font does not), and measured anew when that changes.
    struct Measured
    {
        QString fontKey;
        double scale = 0;
    };
    static Measured last;
    const QFont font = QApplication::font();
    if (QString key = font.key(); last.scale == 0 || key != last.fontKey) {
        last = {std::move(key), measuredScale(font)};
    }
    return last.scale;
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

namespace {

int toPixels(int twips, double scale)
{
    return int(std::lround(twips * scale));
}

} // namespace

int toPixels(int twips)
{
    return toPixels(twips, pixelsPerTwip());
}

QRect rect(int left, int top, int width, int height)
{
    const double scale = pixelsPerTwip();
    return {toPixels(left, scale), toPixels(top, scale), toPixels(width, scale),
            toPixels(height, scale)};
}

QSize size(int width, int height)
{
    const double scale = pixelsPerTwip();
    return {toPixels(width, scale), toPixels(height, scale)};
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
