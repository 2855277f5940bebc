#include "search/pattern.h"
#include "support/testregistry.h"

#include <QTest>

using namespace vennor;

class PatternTest : public QObject
{
    Q_OBJECT

private slots:
    void matchRules_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("matches");

        QTest::newRow("star any run") << "a*z"
                                      << "abcz" << true;
        QTest::newRow("star empty run") << "a*z"
                                        << "az" << true;
        QTest::newRow("star needs the end") << "a*z"
                                            << "azb" << false;
        QTest::newRow("stars backtrack") << "*a*b*c"
                                         << "xaxbxbxc" << true;
        QTest::newRow("stars backtrack fail") << "*a*b*c"
                                              << "xcxbxa" << false;
        QTest::newRow("question one") << "a?c"
                                      << "abc" << true;
        QTest::newRow("question not none") << "a?c"
                                           << "ac" << false;
        QTest::newRow("question not two") << "a?c"
                                          << "abbc" << false;
        QTest::newRow("hash digit") << "r#"
                                    << "r2" << true;
        QTest::newRow("hash letter") << "r#"
                                     << "rx" << false;
        QTest::newRow("hash not superscript") << "r#" << QString::fromUtf8("r²") << false;
        QTest::newRow("list in") << "[abc]x"
                                 << "bx" << true;
        QTest::newRow("list out") << "[abc]x"
                                  << "dx" << false;
        QTest::newRow("range in") << "[a-f]"
                                  << "f" << true;
        QTest::newRow("range out") << "[a-f]"
                                   << "g" << false;
        QTest::newRow("ranges and chars") << "[0-9x-z_]"
                                          << "_" << true;
        QTest::newRow("not in list") << "[!a-c]"
                                     << "d" << true;
        QTest::newRow("not in list hit") << "[!a-c]"
                                         << "b" << false;
        QTest::newRow("hyphen first is literal") << "[-a]"
                                                 << "-" << true;
        QTest::newRow("hyphen last is literal") << "[a-]"
                                                << "-" << true;
        QTest::newRow("bracket holds star") << "a[*]"
                                            << "a*" << true;
        QTest::newRow("bracket star is literal") << "a[*]"
                                                 << "ab" << false;
        QTest::newRow("empty brackets are nothing") << "a[]b"
                                                    << "ab" << true;
        QTest::newRow("closing bracket alone is literal") << "a]"
                                                          << "a]" << true;
        QTest::newRow("exclamation outside is literal") << "!a"
                                                        << "!a" << true;
        QTest::newRow("case kept") << "anna"
                                   << "ANNA" << false;
        QTest::newRow("case kept in range") << "[a-z]"
                                            << "Q" << false;
        QTest::newRow("whole name") << "ann"
                                    << "anna" << false;
        QTest::newRow("empty pattern empty name") << ""
                                                  << "" << true;
        QTest::newRow("empty pattern") << ""
                                       << "a" << false;
        QTest::newRow("unclosed bracket") << "*[ab*"
                                          << "[ab" << false;
        QTest::newRow("descending range") << "[z-a]"
                                          << "m" << false;
    }
    void matchRules()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, name);
        QFETCH(bool, matches);
        QCOMPARE(Pattern(pattern).matches(name), matches);
    }

    void searchTextFindsContainingNames_data()
    {
        const QStringList entries{"ANNA", "anna", "bob 2", "jordan", "x9", "zed", "", "", ""};
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("found");

        QTest::newRow("empty text: every name")
            << entries << "" << QStringList{"ANNA", "anna", "bob 2", "jordan", "x9", "zed"};
        QTest::newRow("plain text anywhere") << entries << "an" << QStringList{"anna", "jordan"};
        QTest::newRow("capitals find nothing stored lower")
            << QStringList{"anna", "jordan"} << "AN" << QStringList{};
        QTest::newRow("digit") << entries << "#" << QStringList{"bob 2", "x9"};
        QTest::newRow("one character")
            << QStringList{"", "a", "", "bc"} << "?" << QStringList{"a", "bc"};
        QTest::newRow("list") << entries << "[xz]" << QStringList{"x9", "zed"};
        QTest::newRow("not in list: every name with another character")
            << QStringList{"aaa", "aab", "bbb"} << "[!a]" << QStringList{"aab", "bbb"};
        QTest::newRow("unclosed bracket finds nothing") << entries << "[an" << QStringList{};
        QTest::newRow("nothing matches") << entries << "qq" << QStringList{};
    }
    void searchTextFindsContainingNames()
    {
        QFETCH(QStringList, entries);
        QFETCH(QString, text);
        QFETCH(QStringList, found);
        QCOMPARE(findNames(entries, text), found);
    }
};

VENNOR_TEST(PatternTest)
#include "patterntest.moc"
