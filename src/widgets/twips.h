// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

class QWidget;

// Layouts are given in twips (1/1440 inch). One scale turns them into pixels for the whole
// program: 12 twips a pixel when the application font is as wide and as tall as the font the
// forms were laid out for, and in proportion to the larger of the two ratios otherwise, so
// that a caption that fits at that font fits at every other.
namespace vennor::twips {

inline constexpr double kDesignTwipsPerPixel = 12.0;

// Pixels per twip for the application font in use.
double pixelsPerTwip();
// How much larger than the design font the application font is (1 at the design font).
double fontScale();
// A font a window names by its size in points, grown or shrunk as the application font is.
QFont scaledFont(QFont font);

int toPixels(int twips);
QRect rect(int left, int top, int width, int height);
QSize size(int width, int height);

// Places a child at a fixed position and size, given in twips.
void place(QWidget* widget, int left, int top, int width, int height);
// Fixes a window's client area, given in twips.
void setClientSize(QWidget* window, int width, int height);

} // namespace vennor::twips
