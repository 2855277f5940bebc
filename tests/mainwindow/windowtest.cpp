#include "phonebooks/newphone_book.h"
#include "support/testregistry.h"
#include "windowfixture.h"

#include <QFile>
#include <QTest>

using namespace vennor;
using namespace vennor::test;

namespace {

const QString kNoModem = QStringLiteral("Can't find a Modem or line is not connected !!");

} // namespace

// Start-up, the lists, the window's own texts and the commands that reach other windows.
class WindowTest : public QObject
{
    Q_OBJECT

private slots:
    void startupDetours_data()
    {
        QTest::addColumn<QStringList>("settings");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("dialog");
        QTest::newRow("no settings file: detection")
            << QStringList{} << QStringList{kNoModem} << "";
        QTest::newRow("port line only")
            << QStringList{"1"} << QStringList{"Create a phone book"} << "Create new phone book";
        QTest::newRow("default book's file missing")
            << QStringList{"1", "gone"} << QStringList{"Create a phone book"}
            << "Create new phone book";
    }
    void startupDetours()
    {
        QFETCH(QStringList, settings);
        QFETCH(QString, dialog);
        WindowFixture f{WindowFixture::Unopened{}};
        if (!settings.isEmpty()) {
            f.folders.writeSettings(settings);
        }
        f.state.pbmode = 3;
        QString caption;
        f.modals.whenShown<newphone_book>([&](newphone_book* shown) {
            caption = shown->windowTitle();
            shown->reject();
        });
        f.open();
        QCOMPARE(caption, dialog);
        QTEST(f.messages.texts(), "messages");
        QCOMPARE(f.messages.last().title, QStringLiteral("Warning"));
        QCOMPARE(f.state.pbmode, dialog.isEmpty() ? 3 : 0);
        QCOMPARE(f.folders.readSettings().size(), qMax(settings.size(), 1));
        QCOMPARE(f.names()->count() + f.numbers()->count(), 0);
    }

    void listsAfterLoading_data()
    {
        QTest::addColumn<QList<QStringList>>("book");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("numbers");
        QTest::newRow("only the end line")
            << QList<QStringList>{} << QStringList{} << QStringList{};
        QTest::newRow("sorted as text, shared number twice")
            << QList<QStringList>{{"john", "\"john@x.org\"", "0100", "220"},
                                  {"anna", "\" a comment\"", "\"1100\""},
                                  {"Bob"}}
            << QStringList{"anna", "Bob", "john", "", "", ""}
            << QStringList{"100", "100", "20", "", "", ""};
    }
    void listsAfterLoading()
    {
        QFETCH(QList<QStringList>, book);
        WindowFixture f(book);
        QTEST(f.names()->entries(), "names");
        QTEST(f.numbers()->entries(), "numbers");
        f.names()->setText(QStringLiteral("john"));
        f.window().refillLists(); // clears the editor and fills the lists afresh
        QTEST(f.names()->entries(), "names");
        QTEST(f.numbers()->entries(), "numbers");
        QVERIFY(f.text(0)->text().isEmpty());
        QVERIFY(f.messages.texts().isEmpty());
    }

    void textsAreTheProgramsOwn()
    {
        WindowFixture f;
        QCOMPARE(f.window().windowTitle(), QStringLiteral("VENNOR"));
        QCOMPARE(f.types()->itemText(3), QStringLiteral("Fax"));
        QCOMPARE(f.types()->currentText(), QStringLiteral("Home"));
        // object|text|shortcut: the menus and their items, then tooltips and labels.
        // clang-format off
        const QStringList texts{
            "fil|&File", "save|&Save|Ctrl+S", "clean|&Clear|Ctrl+R", "deleterec|&Delete|Ctrl+D",
            "del_num|Delete number", "exit|&Exit",
            "editphonebook|&Edit", "nphonebook|New phone book", "rphonebook|Rename phone book",
            "dphonebook|Delete phone book", "makedefault|Make default",
            "tools|&Tools", "Get_backup|Get backup|Ctrl+G", "Make_backup|Make backup|Ctrl+M",
            "Advsrch|Advanced search|Ctrl+A", "printcommand|Print Phone Book",
            "dil|&Dial", "dialnow|&Dial|Ctrl+L", "qdial|&Manual dial", "detectmodem|Detect Modem",
            "helpme|&Help", "helpuser|&Help Topics|F1", "latestversion|Download Latest version",
            "mai|Join Vennor mail group", "abt|&About|Ctrl+B",
            "sav|Save the existing record", "del|Delete a record ", "clr|Clear all text boxs",
            "dial|Call selected phone number", "Command2|Print phone book",
            "Combo3|Select type of the number", "phones|Type number then Press Enter",
            "Label1|Name ", "Label6|Email", "Label8|Address", "Label5|Comment", "Label3|Numbers",
            "Label4|Type name to search", "Label2|Type number to search"};
        // clang-format on
        for (const QString& row : texts) {
            const QStringList cell = row.split(QLatin1Char('|'));
            QObject* found = f.child<QObject>(qPrintable(cell.at(0)));
            QVERIFY2(found != nullptr, qPrintable(row));
            const bool action = found->inherits("QAction");
            const char* shown = found->inherits("QMenu")              ? "title"
                                : action || found->inherits("QLabel") ? "text"
                                                                      : "toolTip";
            QCOMPARE(found->property(shown).toString(), cell.at(1));
            if (action) {
                QCOMPARE(qobject_cast<QAction*>(found)->shortcut(), QKeySequence(cell.value(2)));
            }
        }
    }

    void acceleratorsReachTheMenuFromTextBoxes()
    {
        WindowFixture f(QList<QStringList>{{"bob"}});
        f.text(0)->setFocus();
        QTest::keyClicks(f.text(0), QStringLiteral("zz"));
        QTest::keyClick(f.text(0), Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(f.messages.texts(), QStringList{"Select a record to delete"});
        QCOMPARE(f.text(0)->text(), QStringLiteral("zz"));

        bool advanced = false;
        connect(f.child("Advsrch"), &QAction::triggered, this, [&advanced] { advanced = true; });
        f.comment()->setFocus();
        QTest::keyClick(f.comment(), Qt::Key_A, Qt::ControlModifier);
        QVERIFY(advanced);
        QVERIFY(!f.comment()->textCursor().hasSelection());

        f.names()->setFocus();
        QTest::keyClicks(f.names()->lineEdit(), QStringLiteral("bob"));
        QTest::keyClick(f.names()->lineEdit(), Qt::Key_R, Qt::ControlModifier);
        QVERIFY(f.names()->text().isEmpty() && f.text(0)->text().isEmpty());
    }

    void dialNeedsANumberAndDetectsFirstWithoutSettings()
    {
        WindowFixture f;
        QFile::remove(f.folders.settingsFile());
        f.window().dial_Click();
        QCOMPARE(f.messages.texts(), QStringList{"A telephone number is required"});
        QCOMPARE(f.messages.last().title, QStringLiteral("Warning"));
        QVERIFY(!QFile::exists(f.folders.settingsFile()));

        f.messages.clear();
        f.phones()->setEditText(QStringLiteral("0 12"));
        f.trigger("dialnow");
        QCOMPARE(f.messages.texts(), (QStringList{kNoModem, "The modem is not connected"}));
    }
};

VENNOR_TEST(WindowTest)
#include "windowtest.moc"
