#include "widgets/twips.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace vennor::twips {
namespace {

// The design font: 9 point DejaVu Sans at 96 dots per inch, the font the forms' twips were
// first rendered in at 12 a pixel. Its mean advance over the letters, and its line height.
constexpr double kDesignLetterWidth = 7.405;
constexpr double kDesignLineHeight = 13.97;

double letterWidth(const QFontMetricsF& metrics)
{
    static const QString letters =
        QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
    return metrics.horizontalAdvance(letters) / double(letters.size());
}

} // namespace

double fontScale()
{
    const QFontMetricsF metrics(QApplication::font());
    const double scale =
        std::max(letterWidth(metrics) / kDesignLetterWidth, metrics.height() / kDesignLineHeight);
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
