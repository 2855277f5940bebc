#include "windowfixture.h"

#include <QListView>
#include <QTest>

namespace vennor::test {

QByteArray recordBytes(const QStringList& fields)
{
    QByteArray bytes;
    for (const QString& field : fields) {
        bytes += field.toUtf8() + "\r\n";
    }
    return bytes + ")\r\n";
}

QByteArray bookBytes(const QList<QStringList>& records)
{
    QByteArray bytes = ")\r\n";
    for (const QStringList& record : records) {
        bytes += recordBytes(record);
    }
    return bytes;
}

WindowFixture::WindowFixture(const QList<QStringList>& records)
{
    folders.writeSettings({QStringLiteral("1"), QStringLiteral("book")});
    folders.writePhoneBook(QStringLiteral("book"), bookBytes(records));
    open();
}

void WindowFixture::open()
{
    window_ = std::make_unique<form1>(state);
    window_->show();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
}

SimpleCombo* WindowFixture::names() const
{
    return window_->findChild<SimpleCombo*>(QStringLiteral("Combo1"));
}

SimpleCombo* WindowFixture::numbers() const
{
    return window_->findChild<SimpleCombo*>(QStringLiteral("Combo2"));
}

TextBox* WindowFixture::text(int index) const
{
    return window_->findChild<TextBox*>(QStringLiteral("Text%1").arg(index));
}

TextArea* WindowFixture::comment() const
{
    return window_->findChild<TextArea*>(QStringLiteral("Text3"));
}

QComboBox* WindowFixture::phones() const
{
    return window_->findChild<QComboBox*>(QStringLiteral("phones"));
}

QComboBox* WindowFixture::types() const
{
    return window_->findChild<QComboBox*>(QStringLiteral("Combo3"));
}

void WindowFixture::typeName(const QString& text)
{
    QTest::keyClicks(names()->lineEdit(), text);
}

void WindowFixture::typeNumber(const QString& text)
{
    QTest::keyClicks(numbers()->lineEdit(), text);
}

void WindowFixture::choose(SimpleCombo* list, int position)
{
    QListView* view = list->listView();
    const QModelIndex index = view->model()->index(position, 0);
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
}

void WindowFixture::addNumber(const QString& text)
{
    QLineEdit* box = phones()->lineEdit();
    box->setFocus();
    box->clear();
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}

QStringList WindowFixture::phoneEntries() const
{
    QStringList entries;
    for (int i = 0; i < phones()->count(); ++i) {
        entries << phones()->itemText(i);
    }
    return entries;
}

} // namespace vennor::test
