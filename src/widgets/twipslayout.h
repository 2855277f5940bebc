// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLayout>
#include <QRect>
#include <memory>
#include <vector>

namespace vennor {

// How a control follows its window as the window grows beyond its starting size: the share
// of the extra width by which its left and its right edge move, and of the extra height by
// which its top and its bottom edge move. All zero: it stays where the form puts it.
struct Anchors
{
    double left = 0;
    double right = 0;
    double top = 0;
    double bottom = 0;
};

// Places controls where a form gives them in twips, at the program's scale (twips.h), and
// shares out any room beyond the form's size as each control's anchors say. The form's size
// is the smallest the window can be, so nothing ever overlaps.
class TwipsLayout : public QLayout
{
public:
    // The client area's size as the form gives it, in twips.
    TwipsLayout(QWidget* client, QSize formTwips);
    ~TwipsLayout() override;

    // Puts a control at its place; placing a control again moves it there.
    void place(QWidget* widget, const QRect& twips, Anchors anchors = {});
    void setFormSize(QSize formTwips);
    // Whether the window may grow taller than the form (a window whose controls only widen).
    void setGrowsVertically(bool grows);

    void addItem(QLayoutItem* item) override;
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    QSize maximumSize() const override;
    void setGeometry(const QRect& rect) override;

private:
    struct Placed
    {
        std::unique_ptr<QLayoutItem> item;
        QRect twips;
        Anchors anchors;
    };

    QRect placeIn(const QRect& area, const Placed& placed) const;

    QSize formTwips_;
    bool growsVertically_ = true;
    std::vector<Placed> placed_;
};

} // namespace vennor
