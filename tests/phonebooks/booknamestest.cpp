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
        QTest::newRow("windows") << "C:\\backups\\Home.dat"
                                 << "Home";
        QTest::newRow("posix") << "/tmp/backups/Home.dat"
                               << "Home";
        QTest::newRow("last dot") << "/tmp/my.book.dat"
                                  << "my.book";
        QTest::newRow("mixed separators") << "/tmp\\x/y\\Clients.dat"
                                          << "Clients";
        QTest::newRow("no dot") << "/tmp/backups/Clients"
                                << "Clients";
        QTest::newRow("dot in folder only") << "/tmp/v1.2/Clients"
                                            << "Clients";
        QTest::newRow("bare name") << "Work.dat"
                                   << "Work";
        QTest::newRow("ends in dot") << "/tmp/Work."
                                     << "Work";
        QTest::newRow("extension only") << "/tmp/.dat"
                                        << "";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("blanks kept") << "/tmp/ Home .dat"
                                     << " Home ";
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
        QTest::newRow("plain") << "Home" << true;
        QTest::newRow("blanks and dots") << " my.book. " << true;
        QTest::newRow("punctuation") << "A&B (old), #2 'x' ~!@$%^+=[]{};`" << true;
        QTest::newRow("digits") << "3" << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("one dot") << "." << false;
        QTest::newRow("dots") << "...." << false;
        QTest::newRow("dots and blank") << ". ." << true;
        for (const char c : QByteArray("\\/:*?\"<>|")) {
            QTest::addRow("with %c", c) << QStringLiteral("a%1b").arg(QLatin1Char(c)) << false;
        }
        QTest::newRow("control") << "a\x01z" << false;
        QTest::newRow("delete") << "a\x7fz" << false;
        QTest::newRow("tilde, last printable") << "a~" << true;
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
