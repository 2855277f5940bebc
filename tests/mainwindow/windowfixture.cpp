#include "windowfixture.h"

#include <QListView>
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
    QListView* view = list->listView();
    const QModelIndex index = view->model()->index(list->indexOf(entry), 0);
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
}

void WindowFixture::addNumber(const QString& number) const
{
    numberBox()->setFocus();
    numberBox()->clearEditText();
    QTest::keyClicks(numberBox()->lineEdit(), number);
    QTest::keyClick(numberBox()->lineEdit(), Qt::Key_Return);
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
