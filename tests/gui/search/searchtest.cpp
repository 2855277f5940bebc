// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/search/advancedsearchwindow.h"
#include "gui/search/pattern.h"
#include "support/recordshost.h"
#include "support/testregistry.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace vennor;

class SearchTest : public QObject
{
    Q_OBJECT

private slots:
    void patternRules_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("matches");
        const std::tuple<const char*, const char*, bool> rules[] = {
            {"a*z", "abcz", true},        {"a*z", "az", true},         {"a*z", "azb", false},
            {"*a*b*c", "xaxbxbxc", true}, {"*a*b*c", "xcxbxa", false}, {"a?c", "abc", true},
            {"r#", "r2", true},           {"r#", "rx", false},         {"r#", "r٣", false},
            {"[abc]x", "bx", true},       {"[abc]x", "dx", false},     {"[a-f]", "f", true},
            {"[a-f]", "g", false},        {"[0-9x-z_]", "_", true},    {"[!a-c]", "d", true},
            {"[!a-c]", "b", false},       {"[-a]", "-", true},         {"a[*]", "a*", true},
            {"a[*]", "ab", false},        {"anna", "ANNA", false},     {"[a-z]", "Q", false},
            {"ann", "anna", false},       {"*[ab*", "[ab", false},     {"[!z-a]", "m", false}};
        for (const auto& [pattern, name, matches] : rules) {
            QTest::addRow("%s ~ %s", pattern, name)
                << QString::fromUtf8(pattern) << QString::fromUtf8(name) << matches;
        }
    }
    void patternRules()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, name);
        QFETCH(bool, matches);
        QCOMPARE(Pattern(pattern).matches(name), matches);
    }

    // The name list ends in three empty entries, which are never found.
    void searchFindsTheNamesContainingTheText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("found");
        const QStringList all{"ANNA", "anna", "bob 2", "jordan", "x9", "zed"};
        QTest::newRow("empty text") << "" << all;
        QTest::newRow("plain text") << "an" << QStringList{"anna", "jordan"};
        QTest::newRow("case kept") << "AN" << QStringList{"ANNA"};
        QTest::newRow("digit") << "#" << QStringList{"bob 2", "x9"};
        QTest::newRow("unclosed bracket") << "[an" << QStringList{};
    }
    void searchFindsTheNamesContainingTheText()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, found);
        const QStringList entries{"ANNA", "anna", "bob 2", "jordan", "x9", "zed", "", "", ""};
        QCOMPARE(findNames(entries, text), found);
    }

    void enterSearchesAndAClickOrTheKeysLoadTheRecordLeavingTheWindowOpen()
    {
        SharedState state;
        test::RecordsHost host(state);
        for (const char* name : {"anna", "bob", "jordan"}) {
            host.add({QString::fromLatin1(name), {}, {}, {}, {}});
        }
        QPointer<AdvancedSearchWindow> slot;
        AdvancedSearchWindow* window =
            AdvancedSearchWindow::showFor(slot, state, host, host.window());
        QCOMPARE(window->windowTitle(), QStringLiteral("Advanced search"));
        QCOMPARE(window->findButton_->text(), QStringLiteral("Search"));
        QVERIFY(!window->isModal() && QTest::qWaitForWindowExposed(window));
        QTRY_COMPARE(QApplication::focusWidget(), window->patternBox_);
        QTest::keyClicks(window->patternBox_, QStringLiteral("o"));
        QTest::keyClick(window->patternBox_, Qt::Key_Return);
        QTest::keyClick(window->patternBox_, Qt::Key_Return); // a second search replaces the first
        QCOMPARE(window->matchList_->count(), 2);

        const QRect second = window->matchList_->visualItemRect(window->matchList_->item(1));
        QTest::mouseClick(window->matchList_->viewport(), Qt::LeftButton, {}, second.center());
        QCOMPARE(state.selectedName, QStringLiteral("jordan"));
        QCOMPARE(host.onScreen.name, QStringLiteral("jordan"));
        QCOMPARE(AdvancedSearchWindow::showFor(slot, state, host, host.window()), window);
        QVERIFY(window->isVisible());
        QCOMPARE(window->matchList_->item(0)->text(), QStringLiteral("bob"));

        // From the keyboard: an arrow key moves to a record and opens it, so does Enter,
        // and the list stays as it was.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        QCOMPARE(host.onScreen.name, QStringLiteral("bob"));
        host.onScreen = {};
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(host.onScreen.name, QStringLiteral("bob"));
        QCOMPARE(window->matchList_->count(), 2);
        window->close();
        QTRY_VERIFY(slot.isNull());
    }
};

VENNOR_TEST(SearchTest)
#include "searchtest.moc"
