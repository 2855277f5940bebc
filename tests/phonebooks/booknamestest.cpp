#include "phonebooks/booknames.h"
#include "support/testregistry.h"

#include <QTest>

using namespace vennor;

class BookNamesTest : public QObject
{
    Q_OBJECT

private slots:
    void baseNameOfAPath_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("name");
        const auto row = [](const char* path, const char* name) {
            QTest::addRow("'%s'", path) << QString::fromLatin1(path) << QString::fromLatin1(name);
        };
        row("C:\\backups\\Home.dat", "Home");
        row("/tmp\\x/y\\my.book.dat", "my.book");
        row("/tmp/v1.2/Clients", "Clients");
        row("Work.dat", "Work");
        row("/tmp/Work.", "Work");
        row("", "");
        row("/tmp/ Home .dat", " Home ");
    }
    void baseNameOfAPath()
    {
        QFETCH(QString, path);
        QFETCH(QString, name);
        const QString before = path;
        QCOMPARE(GetFileName(path), name);
        QCOMPARE(path, before);
    }

    void validNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("valid");
        QTest::newRow("blanks and dots") << " my.book. " << true;
        QTest::newRow("punctuation") << "A&B (old), #2 'x' ~!@$%^+=[]{};`" << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("one dot") << "." << false;
        QTest::newRow("dots") << "...." << false;
        for (const char c : QByteArray("\\/:*?\"<>|\x01\x1f\x7f")) {
            QTest::addRow("with %02x", c) << QStringLiteral("a%1b").arg(QLatin1Char(c)) << false;
        }
        QTest::newRow("latin-1") << QStringLiteral("M\u00fcller") << false;
        QTest::newRow("emoji") << QStringLiteral("a\U0001F600") << false;
    }
    void validNames()
    {
        QFETCH(QString, name);
        QFETCH(bool, valid);
        QCOMPARE(isValidBookName(name), valid);
    }
};

VENNOR_TEST(BookNamesTest)
#include "booknamestest.moc"
