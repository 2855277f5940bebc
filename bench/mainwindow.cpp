// Times the main window on large phone books: start-up until the lists are filled, a record
// found by name and by number, and saving and deleting records.
#include "mainwindow/mainwindow.h"
#include "platform/simplecombo.h"
#include "storage/sharedstate.h"
#include "support/messagelog.h"
#include "support/tempfolders.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QTest>
#include <cstdio>

using namespace vennor;

namespace {

QString nameOf(int i)
{
    return QStringLiteral("person %1 %2").arg(i * 7919 % 100003).arg(i);
}

QString numberOf(int i)
{
    return QString::number(5550000000LL + qint64(i) * 37);
}

QByteArray book(int records)
{
    QByteArray bytes = ")\r\n";
    for (int i = 0; i < records; ++i) {
        bytes += nameOf(i).toUtf8() + "\r\n\"p" + QByteArray::number(i) + "@mail.org\"\r\n\"" +
                 QByteArray::number(i) + " long street\"\r\n0" + numberOf(i).toUtf8() + "\r\n2" +
                 numberOf(i + records).toUtf8() + "\r\n)\r\n";
    }
    return bytes;
}

double msSince(const QElapsedTimer& timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

template <typename Action> double timed(Action action)
{
    QElapsedTimer timer;
    timer.start();
    action();
    return msSince(timer);
}

void run(int records)
{
    test::TempFolders folders;
    test::MessageLog messages;
    folders.writeSettings({QStringLiteral("1"), QStringLiteral("book")});
    folders.writePhoneBook(QStringLiteral("book"), book(records));
    SharedState state;

    std::unique_ptr<MainWindow> window;
    const double startup = timed([&] { window = std::make_unique<MainWindow>(state); });
    window->show();
    auto* names = window->findChild<SimpleCombo*>(QStringLiteral("Combo1"));
    auto* numbers = window->findChild<SimpleCombo*>(QStringLiteral("Combo2"));
    auto* name = window->findChild<QLineEdit*>(QStringLiteral("Text0"));
    auto* address = window->findChild<QLineEdit*>(QStringLiteral("Text2"));
    auto* numberBox = window->findChild<QComboBox*>(QStringLiteral("phones"));

    const int middle = records - 1; // the last record: the longest scan of the file
    const double byName = timed([&] { names->setText(nameOf(middle)); });
    const bool nameFound = name->text() == nameOf(middle);
    names->setText(QString());
    const double byNumber = timed([&] { numbers->setText(numberOf(middle + records)); });
    const bool numberFound = name->text() == nameOf(middle);

    window->clearRecord();
    name->setText(QStringLiteral("zz new person"));
    numberBox->setEditText(QStringLiteral("123"));
    QTest::keyClick(numberBox->lineEdit(), Qt::Key_Return);
    const double saveNew = timed([&] { window->saveRecord(); });

    names->setText(nameOf(middle));
    address->setText(QStringLiteral("another street"));
    const double saveChanged = timed([&] { window->saveRecord(); });

    names->setText(QString());
    names->setCurrentIndex(-1);
    state.selectedName = nameOf(records / 2);
    window->loadRecordByName();
    messages.answerRest(MessageBox::Answer::Ok);
    const bool fromFile = window->hasRecordFromFile();
    const double remove = timed([&] { window->deleteRecord(); });

    std::printf("%7d records: start-up %7.1f ms | by name %6.2f ms%s | by number %6.2f ms%s | "
                "save new %6.1f ms | save changed %6.1f ms | delete %6.1f ms%s\n",
                records, startup, byName, nameFound ? "" : " (NOT FOUND)", byNumber,
                numberFound ? "" : " (NOT FOUND)", saveNew, saveChanged, remove,
                fromFile ? "" : " (not loaded)");
    if (!messages.texts().filter(QStringLiteral("could not")).isEmpty()) {
        std::printf("  messages: %s\n", qPrintable(messages.texts().join(QStringLiteral(" | "))));
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    for (int records : {1000, 10000, 100000}) {
        run(records);
    }
    return 0;
}
