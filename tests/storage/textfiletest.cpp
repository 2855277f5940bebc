#include "storage/textfile.h"
#include "support/testregistry.h"
#include "writefault.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace vennor;

namespace {

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void put(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class TextFileTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;
    QString path(const QString& name) const { return dir_.filePath(name); }

private slots:
    void decodesUtf8ElseWindows1252()
    {
        QCOMPARE(textfile::decode("Zo\xc3\xab \xe2\x82\xac\r\n"), QString::fromUtf8("Zoë €\r\n"));
        QCOMPARE(textfile::decode("Zo\xeb"), QString::fromUtf8("Zoë"));
        QCOMPARE(textfile::decode("\x80 \x93q\x94 \x85\x8a\x9f\xff"),
                 QString::fromUtf8("€ “q” …ŠŸÿ"));
        // One invalid sequence anywhere makes the whole file Windows-1252.
        QCOMPARE(textfile::decode("\xc3\xab and \xeb"), QString::fromUtf8("Ã« and ë"));
        // No byte is lost: 256 bytes give 256 different characters, Latin-1 outside 80-9F.
        QByteArray all;
        for (int byte = 0; byte < 256; ++byte) {
            all.append(char(byte));
        }
        const QString text = textfile::decode(all);
        QCOMPARE(QSet<QChar>(text.begin(), text.end()).size(), 256);
        QCOMPARE(text.left(0x80), QString::fromLatin1(all.left(0x80)));
        QCOMPARE(text.mid(0xA0), QString::fromLatin1(all.mid(0xA0)));
    }

    void readsAndRewritesWhole()
    {
        QVERIFY(!textfile::read(path("missing.txt")).error().isEmpty());
        const QString file = path("deeper/folder/book.dat");
        QVERIFY(textfile::rewrite(file, "first version, rather long\r\n").ok());
        QVERIFY(textfile::rewrite(file, "second\r\n").ok());
        QCOMPARE(*textfile::read(file), QStringLiteral("second\r\n"));
    }

    void appendStartsANewLineWhenNeeded_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("ends in CR LF") << QByteArray(")\r\n") << QByteArray(")\r\nx\r\n");
        QTest::newRow("ends in LF") << QByteArray(")\n") << QByteArray(")\nx\r\n");
        QTest::newRow("no line end") << QByteArray(")") << QByteArray(")\r\nx\r\n");
        QTest::newRow("ends in CR") << QByteArray(")\r") << QByteArray(")\r\nx\r\n");
        QTest::newRow("empty") << QByteArray() << QByteArray("x\r\n");
        // Adding UTF-8 to an old Windows-1252 file would leave it in neither: it is converted.
        QTest::newRow("Windows-1252")
            << QByteArray("zo\xeb\r\n\x93q\x94")
            << QByteArray("zo\xc3\xab\r\n\xe2\x80\x9cq\xe2\x80\x9d\r\nx\r\n");
    }
    void appendStartsANewLineWhenNeeded()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        const QString file = path("append.dat");
        put(file, before);
        QVERIFY(textfile::append(file, "x\r\n").ok());
        QCOMPARE(bytesOf(file), after);
        QVERIFY(textfile::append(path("new/created.dat"), "x\r\n").ok());
        QCOMPARE(bytesOf(path("new/created.dat")).right(3), QByteArray("x\r\n"));
    }

    void failedWritesKeepOldFile()
    {
        const QString file = path("keep.dat");
        const QByteArray old(")\r\nanna\r\n0123\r\n)");
        put(file, old);
        Status rewritten = Status::success();
        Status appended = Status::success();
        {
            // Room for a few bytes more: the append fails part way through.
            test::FileSizeLimit limit(old.size() + 5);
            if (!limit.active()) {
                QSKIP("no file size limit on this platform");
            }
            rewritten = textfile::rewrite(file, QByteArray(200, 'x'));
            appended = textfile::append(file, QByteArray(100, 'y'));
        }
        QVERIFY(rewritten.error().contains(QLatin1String("keep.dat")));
        QVERIFY(appended.error().contains(QLatin1String("keep.dat")));
        QCOMPARE(bytesOf(file), old);
        // No half-written temporary file is left beside it.
        QCOMPARE(QDir(dir_.path()).entryList({QStringLiteral("keep.dat*")}, QDir::Files),
                 QStringList{QStringLiteral("keep.dat")});
    }
};

VENNOR_TEST(TextFileTest)
#include "textfiletest.moc"
