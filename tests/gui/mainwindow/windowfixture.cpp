// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windowfixture.h"

#include <QApplication>
#include <QTableView>
#include <QTest>

namespace vennor::test {

QByteArray bookBytes(const QList<QStringList>& records)
{
    QByteArray bytes = ")\r\n";
    for (const QStringList& record : records) {
        bytes += (record + QStringList{")"}).join("\r\n").toUtf8() + "\r\n";
    }
    return bytes;
}

WindowFixture::WindowFixture(const QList<QStringList>& records)
{
    folders.writeSettings({"1", "book"});
    folders.writePhoneBook("book", bookBytes(records));
    open();
}

void WindowFixture::open()
{
    window = std::make_unique<MainWindow>(state);
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
}

void WindowFixture::fill(const QStringList& fields) const
{
    for (int i = 0; i < 3; ++i) {
        text(i)->setText(fields.value(i));
    }
    comment()->setText(fields.value(3));
}

void WindowFixture::choose(SimpleCombo* list, const QString& entry) const
{
    QTableView* view = list->listView();
    const QModelIndex index = view->model()->index(list->indexOf(entry), 0);
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
}

void WindowFixture::click(QWidget* control) const
{
    const auto* simple = qobject_cast<SimpleCombo*>(control);
    const QPoint spot = simple ? simple->lineEdit()->geometry().center() : control->rect().center();
    QWidget* under = control->childAt(spot) ? control->childAt(spot) : control;
    QTest::mouseClick(under, Qt::LeftButton, {}, under->mapFrom(control, spot));
}

void WindowFixture::type(const QString& keys) const
{
    QTest::keyClicks(QApplication::focusWidget(), keys);
}

void WindowFixture::press(Qt::Key key, Qt::KeyboardModifiers modifiers) const
{
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

void WindowFixture::addNumber(const QString& number) const
{
    click(numberBox());
    press(Qt::Key_End);
    press(Qt::Key_Home, Qt::ShiftModifier);
    type(number);
    press(Qt::Key_Return);
}

QStringList WindowFixture::numberBoxEntries() const
{
    QStringList entries;
    for (int i = 0; i < numberBox()->count(); ++i) {
        entries << numberBox()->itemText(i);
    }
    return entries;
}

} // namespace vennor::test
