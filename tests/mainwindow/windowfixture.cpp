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

QStringList WindowFixture::fields() const
{
    return {text(0)->text(), text(1)->text(), text(2)->text(), comment()->text()};
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

void WindowFixture::addNumber(const QString& text) const
{
    phones()->setFocus();
    phones()->clearEditText();
    QTest::keyClicks(phones()->lineEdit(), text);
    QTest::keyClick(phones()->lineEdit(), Qt::Key_Return);
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
