#pragma once

#include <QRect>
#include <QSize>

class QWidget;

// Layouts are given in twips (1/1440 inch). One factor turns them into pixels for the whole
// program, chosen so that text in the default font fits its control.
namespace vennor::twips {

inline constexpr double kTwipsPerPixel = 12.0;

int toPixels(int twips);
QRect rect(int left, int top, int width, int height);
QSize size(int width, int height);

// Places a child at a fixed position and size, given in twips.
void place(QWidget* widget, int left, int top, int width, int height);
// Fixes a window's client area, given in twips.
void setClientSize(QWidget* window, int width, int height);

} // namespace vennor::twips
