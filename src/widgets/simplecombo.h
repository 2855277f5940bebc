// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/textlist.h"

#include <QStringList>
#include <QWidget>

class QLineEdit;
class QTableView;

namespace vennor {

class TextListModel;

// A "simple" combo box: an edit line over a list that is always open. Entries have positions
// from 0. A sorted box puts an entry added without a position at its alphabetical place,
// without regard to case; an entry added at a position stays there.
class SimpleCombo : public QWidget
{
    Q_OBJECT

public:
    explicit SimpleCombo(QWidget* parent = nullptr);

    void setSorted(bool sorted);
    // Entries and edit text in the palette's accent colour (accentcolour.h), following the
    // palette when it changes, as when the desktop turns dark.
    void setAccented(bool accented);

    QString text() const;
    // Setting a different text raises changed(), as typing does.
    void setText(const QString& text);

    int count() const;
    QString at(int position) const;
    QStringList entries() const;
    // The first entry equal to text exactly, or -1. In a sorted box a binary search.
    int indexOf(const QString& text) const;

    // Adds at the sorted place (at the end when unsorted); returns the position.
    int addItem(const QString& text);
    // Adds many at once, sorting them once: much faster than one by one.
    void addItems(const QStringList& texts);
    void addItems(TextList texts);
    // Adds entries already in the box's order (sortedtext::sort) to an empty box.
    void addSortedItems(TextList sorted);
    void insertItem(int position, const QString& text);
    void removeItem(int position);
    // Removes every entry; the edit text stays.
    void clear();

    int currentIndex() const;
    void setCurrentIndex(int position);

    QLineEdit* lineEdit() const { return edit_; }
    QTableView* listView() const { return view_; }

signals:
    // The edit text changed, by typing or by code.
    void changed();
    // The user chose an entry; the edit text is already the entry's.
    void clicked();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void choose(int position);
    void paintAccent();
    // Entries before the trailing run of empty ones: the part that is kept sorted.
    qsizetype sortedEnd() const;
    // Whether an entry placed at position keeps the sorted part in order.
    bool keepsOrder(int position, const QString& text) const;

    QLineEdit* edit_;
    QTableView* view_;
    TextListModel* model_;
    bool sorted_ = false;
    bool accented_ = false;
    // The sorted part is in order: false once an entry was put at a position out of order,
    // and lookups then go through every entry.
    bool ordered_ = true;
    bool choosing_ = false;
};

} // namespace vennor
