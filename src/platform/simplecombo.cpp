#include "platform/simplecombo.h"

#include "platform/sortedtext.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QStringListModel>
#include <algorithm>

namespace vennor {

SimpleCombo::SimpleCombo(QWidget* parent)
    : QWidget(parent), edit_(new QLineEdit(this)), view_(new QListView(this)),
      model_(new QStringListModel(this))
{
    view_->setModel(model_);
    view_->setUniformItemSizes(true);
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
    connect(view_, &QListView::clicked, this,
            [this](const QModelIndex& index) { choose(index.row()); });
}

void SimpleCombo::setTextColor(const QColor& color)
{
    for (QWidget* part : {static_cast<QWidget*>(edit_), static_cast<QWidget*>(view_)}) {
        QPalette palette = part->palette();
        palette.setColor(QPalette::Text, color);
        part->setPalette(palette);
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
    return model_->index(position).data().toString();
}

QStringList SimpleCombo::entries() const
{
    return model_->stringList();
}

int SimpleCombo::indexOf(const QString& text) const
{
    return int(model_->stringList().indexOf(text));
}

qsizetype SimpleCombo::sortedEnd(const QStringList& list) const
{
    qsizetype end = list.size();
    while (end > 0 && list.at(end - 1).isEmpty()) {
        --end;
    }
    return end;
}

int SimpleCombo::addItem(const QString& text)
{
    int position = count();
    if (sorted_) {
        // The copy must be gone before the insertion, or the model's list would be copied.
        const QStringList list = model_->stringList();
        position = int(sortedtext::insertPosition(list, sortedEnd(list), text));
    }
    insertItem(position, text);
    return position;
}

void SimpleCombo::addItems(const QStringList& texts)
{
    if (!sorted_) {
        QStringList list = model_->stringList();
        list += texts;
        model_->setStringList(list);
        return;
    }
    QStringList incoming = texts;
    sortedtext::sort(incoming);
    const QStringList old = model_->stringList();
    const qsizetype end = sortedEnd(old);
    QStringList merged;
    merged.reserve(old.size() + incoming.size());
    std::merge(old.cbegin(), old.cbegin() + end, incoming.cbegin(), incoming.cend(),
               std::back_inserter(merged),
               [](const QString& a, const QString& b) { return sortedtext::compare(a, b) < 0; });
    merged += old.mid(end);
    model_->setStringList(merged);
}

void SimpleCombo::insertItem(int position, const QString& text)
{
    position = std::clamp(position, 0, count());
    model_->insertRows(position, 1);
    model_->setData(model_->index(position), text);
}

void SimpleCombo::removeItem(int position)
{
    if (position >= 0 && position < count()) {
        model_->removeRows(position, 1);
    }
}

void SimpleCombo::clear()
{
    model_->setStringList({});
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
