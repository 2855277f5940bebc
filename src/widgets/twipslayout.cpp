// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/twipslayout.h"

#include "widgets/twips.h"

#include <QWidget>
#include <QWidgetItem>
#include <cmath>

namespace vennor {

TwipsLayout::TwipsLayout(QWidget* client, QSize formTwips) : QLayout(client), formTwips_(formTwips)
{
    setContentsMargins(0, 0, 0, 0);
    setSizeConstraint(QLayout::SetMinAndMaxSize);
}

TwipsLayout::~TwipsLayout() = default;

void TwipsLayout::place(QWidget* widget, const QRect& twips, Anchors anchors)
{
    // At the form's size at once: a window not yet shown has not been laid out.
    widget->setGeometry(twips::rect(twips.left(), twips.top(), twips.width(), twips.height()));
    for (Placed& placed : placed_) {
        if (placed.item->widget() == widget) {
            placed.twips = twips;
            placed.anchors = anchors;
            invalidate();
            return;
        }
    }
    addChildWidget(widget);
    placed_.push_back({std::make_unique<QWidgetItem>(widget), twips, anchors});
    invalidate();
}

void TwipsLayout::setFormSize(QSize formTwips)
{
    formTwips_ = formTwips;
    invalidate();
}

void TwipsLayout::setGrowsVertically(bool grows)
{
    growsVertically_ = grows;
    invalidate();
}

void TwipsLayout::addItem(QLayoutItem* item)
{
    placed_.push_back({std::unique_ptr<QLayoutItem>(item), QRect(), Anchors{}});
}

int TwipsLayout::count() const
{
    return int(placed_.size());
}

QLayoutItem* TwipsLayout::itemAt(int index) const
{
    return index >= 0 && index < count() ? placed_.at(size_t(index)).item.get() : nullptr;
}

QLayoutItem* TwipsLayout::takeAt(int index)
{
    if (index < 0 || index >= count()) {
        return nullptr;
    }
    QLayoutItem* item = placed_.at(size_t(index)).item.release();
    placed_.erase(placed_.begin() + index);
    return item;
}

QSize TwipsLayout::sizeHint() const
{
    return minimumSize();
}

QSize TwipsLayout::minimumSize() const
{
    return twips::size(formTwips_.width(), formTwips_.height());
}

QSize TwipsLayout::maximumSize() const
{
    return {QLAYOUTSIZE_MAX, growsVertically_ ? QLAYOUTSIZE_MAX : minimumSize().height()};
}

void TwipsLayout::setGeometry(const QRect& rect)
{
    QLayout::setGeometry(rect);
    for (const Placed& placed : placed_) {
        if (QWidget* widget = placed.item->widget()) {
            widget->setGeometry(placeIn(rect, placed));
        }
    }
}

QRect TwipsLayout::placeIn(const QRect& area, const Placed& placed) const
{
    const double scale = twips::pixelsPerTwip();
    const QSize form = minimumSize();
    const double wider = std::max(0, area.width() - form.width());
    const double taller = std::max(0, area.height() - form.height());
    const QRect& at = placed.twips;
    const Anchors& a = placed.anchors;
    const auto edge = [](double formPixels, double share, double extra) {
        return int(std::lround(formPixels + share * extra));
    };
    const int left = edge(at.left() * scale, a.left, wider);
    const int right = edge((at.left() + at.width()) * scale, a.right, wider);
    const int top = edge(at.top() * scale, a.top, taller);
    const int bottom = edge((at.top() + at.height()) * scale, a.bottom, taller);
    return QRect(area.left() + left, area.top() + top, right - left, bottom - top);
}

} // namespace vennor
