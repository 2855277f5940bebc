// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/simplecombo.h"

#include "widgets/accentcolour.h"
#include "widgets/sortedtext.h"
#include "widgets/textlistmodel.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableView>
#include <algorithm>

namespace vennor {

SimpleCombo::SimpleCombo(QWidget* parent)
    : QWidget(parent), edit_(new QLineEdit(this)), view_(new QTableView(this)),
      model_(new TextListModel(this))
{
    // A table of one column and rows of one height, without grid or headers, looks like a list
    // view; unlike one, it does not lay out every row before it is shown, which took a tenth
    // of a second for each million entries.
    view_->horizontalHeader()->hide();
    view_->horizontalHeader()->setStretchLastSection(true);
    view_->verticalHeader()->hide();
    view_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view_->verticalHeader()->setMinimumSectionSize(1);
    view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height());
    view_->setShowGrid(false);
    view_->setWordWrap(false);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setModel(model_);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setFocusPolicy(Qt::NoFocus);
    setFocusProxy(edit_);
    setFocusPolicy(Qt::StrongFocus);
    edit_->installEventFilter(this);

    connect(edit_, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (choosing_) {
            return;
        }
        // A chosen entry stays marked only while the text is still the entry's.
        if (currentIndex() >= 0 && at(currentIndex()) != text) {
            view_->setCurrentIndex(QModelIndex());
        }
        emit changed();
    });
    connect(view_, &QTableView::clicked, this,
            [this](const QModelIndex& index) { choose(index.row()); });
}

void SimpleCombo::setSorted(bool sorted)
{
    sorted_ = sorted;
    ordered_ = count() == 0;
}

void SimpleCombo::setAccented(bool accented)
{
    accented_ = accented;
    paintAccent();
}

void SimpleCombo::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        paintAccent();
    }
}

// The parts carry the colour; this widget's own palette stays the desktop's to derive it from.
void SimpleCombo::paintAccent()
{
    const QColor text = accented_ ? accentText(palette()) : palette().color(QPalette::Text);
    // Only the text colour is set, so every other colour keeps following the desktop's.
    QPalette colours;
    colours.setColor(QPalette::Text, text);
    for (QWidget* part : {static_cast<QWidget*>(edit_), static_cast<QWidget*>(view_)}) {
        part->setPalette(colours);
    }
}

QString SimpleCombo::text() const
{
    return edit_->text();
}

void SimpleCombo::setText(const QString& text)
{
    edit_->setText(text);
}

int SimpleCombo::count() const
{
    return model_->rowCount();
}

QString SimpleCombo::at(int position) const
{
    return position >= 0 && position < count() ? model_->text(position) : QString();
}

QStringList SimpleCombo::entries() const
{
    return model_->list().texts();
}

int SimpleCombo::indexOf(const QString& text) const
{
    const TextList& list = model_->list();
    const QByteArray wanted = text.toUtf8();
    qsizetype from = 0;
    qsizetype to = list.size();
    if (sorted_ && ordered_ && !text.isEmpty()) {
        std::tie(from, to) = sortedtext::equalRange(list, sortedEnd(), text);
    }
    for (qsizetype i = from; i < to; ++i) {
        if (list.utf8(i) == wanted) {
            return int(i);
        }
    }
    return -1;
}

qsizetype SimpleCombo::sortedEnd() const
{
    const TextList& list = model_->list();
    qsizetype end = list.size();
    while (end > 0 && list.utf8(end - 1).isEmpty()) {
        --end;
    }
    return end;
}

int SimpleCombo::addItem(const QString& text)
{
    int position = count();
    if (sorted_) {
        position = int(sortedtext::insertPosition(model_->list(), sortedEnd(), text));
    }
    insertItem(position, text);
    return position;
}

void SimpleCombo::addItems(const QStringList& texts)
{
    TextList list;
    for (const QString& text : texts) {
        list.append(text);
    }
    addItems(std::move(list));
}

void SimpleCombo::addSortedItems(TextList sorted)
{
    if (count() > 0) {
        addItems(std::move(sorted));
        return;
    }
    model_->reset(std::move(sorted));
}

void SimpleCombo::addItems(TextList texts)
{
    if (sorted_) {
        sortedtext::sort(texts);
    }
    if (count() == 0) {
        model_->reset(std::move(texts));
        return;
    }
    TextList all = model_->list();
    const qsizetype oldCount = all.size();
    const qsizetype end = sorted_ ? sortedEnd() : oldCount;
    all.appendList(std::move(texts));
    if (sorted_) {
        // Merged after the entries that compare equal, before the trailing empty ones.
        std::vector<TextList::Span>& spans = all.spans();
        std::vector<TextList::Span> merged;
        merged.reserve(spans.size());
        std::merge(spans.cbegin(), spans.cbegin() + end, spans.cbegin() + oldCount, spans.cend(),
                   std::back_inserter(merged), [&all](TextList::Span a, TextList::Span b) {
                       return sortedtext::compare(all.utf8(a), all.utf8(b)) < 0;
                   });
        merged.insert(merged.end(), spans.cbegin() + end, spans.cbegin() + oldCount);
        spans = std::move(merged);
    }
    model_->reset(std::move(all));
}

bool SimpleCombo::keepsOrder(int position, const QString& text) const
{
    const qsizetype end = sortedEnd();
    if (text.isEmpty()) {
        return position >= end || position == 0;
    }
    if (position > end) {
        return false; // empty entries would stand inside the sorted part
    }
    const TextList& list = model_->list();
    return (position == 0 || sortedtext::compare(text, list.utf8(position - 1)) >= 0) &&
           (position == end || sortedtext::compare(text, list.utf8(position)) <= 0);
}

void SimpleCombo::insertItem(int position, const QString& text)
{
    position = std::clamp(position, 0, count());
    if (sorted_ && ordered_) {
        ordered_ = keepsOrder(position, text);
    }
    model_->insert(position, text);
}

void SimpleCombo::removeItem(int position)
{
    if (position >= 0 && position < count()) {
        model_->remove(position);
    }
}

void SimpleCombo::clear()
{
    model_->reset({});
    ordered_ = true;
}

int SimpleCombo::currentIndex() const
{
    const QModelIndex current = view_->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void SimpleCombo::setCurrentIndex(int position)
{
    view_->setCurrentIndex(model_->index(position));
}

void SimpleCombo::choose(int position)
{
    if (position < 0 || position >= count()) {
        return;
    }
    setCurrentIndex(position);
    choosing_ = true;
    edit_->setText(at(position));
    choosing_ = false;
    emit clicked();
}

void SimpleCombo::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int editHeight = std::min(edit_->sizeHint().height(), height());
    edit_->setGeometry(0, 0, width(), editHeight);
    view_->setGeometry(0, editHeight, width(), height() - editHeight);
}

// Up and Down in the edit line walk the list, as in a list that is always open.
bool SimpleCombo::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == edit_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Up || key == Qt::Key_Down) && count() > 0) {
            const int step = key == Qt::Key_Up ? -1 : 1;
            choose(std::clamp(currentIndex() + step, 0, count() - 1));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace vennor
