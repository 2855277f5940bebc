#include "widgets/twips.h"

#include <QWidget>
#include <cmath>

namespace vennor::twips {

int toPixels(int twips)
{
    return int(std::lround(twips / kTwipsPerPixel));
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
