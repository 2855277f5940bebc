#include "modem/quickdial.h"
#include "phonebooks/newphone_book.h"
#include "support/testregistry.h"
#include "windowfixture.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

using namespace vennor;
using namespace vennor::test;

namespace {

void chooseBookAndConfirm(newphone_book* dialog, const QString& name)
{
    dialog->Combo1->setCurrentText(name);
    dialog->Command1->click();
}

} // namespace

class CommandsTest : public QObject
{
    Q_OBJECT

private slots:
    void textsAreTheProgramsOwn_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("key");
        const auto row = [](const char* name, const char* text, const char* key = "") {
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(text)
                                << QString::fromLatin1(key);
        };
        row("fil", "&File");
        row("save", "&Save", "Ctrl+S");
        row("clean", "&Clear", "Ctrl+R");
        row("deleterec", "&Delete", "Ctrl+D");
        row("del_num", "Delete number");
        row("exit", "&Exit");
        row("editphonebook", "&Edit");
        row("nphonebook", "New phone book");
        row("rphonebook", "Rename phone book");
        row("dphonebook", "Delete phone book");
        row("makedefault", "Make default");
        row("tools", "&Tools");
        row("Get_backup", "Get backup", "Ctrl+G");
        row("Make_backup", "Make backup", "Ctrl+M");
        row("Advsrch", "Advanced search", "Ctrl+A");
        row("printcommand", "Print Phone Book");
        row("dil", "&Dial");
        row("dialnow", "&Dial", "Ctrl+L");
        row("qdial", "&Manual dial");
        row("detectmodem", "Detect Modem");
        row("helpme", "&Help");
        row("helpuser", "&Help Topics", "F1");
        row("latestversion", "Download Latest version");
        row("mai", "Join Vennor mail group");
        row("abt", "&About", "Ctrl+B");
        row("sav", "Save the existing record");
        row("del", "Delete a record ");
        row("dial", "Call selected phone number");
        row("clr", "Clear all text boxs");
        row("Command2", "Print phone book");
        row("Combo3", "Select type of the number");
        row("phones", "Type number then Press Enter");
        row("Label1", "Name ");
        row("Label6", "Email");
        row("Label8", "Address");
        row("Label5", "Comment");
        row("Label3", "Numbers");
        row("Label4", "Type name to search");
        row("Label2", "Type number to search");
    }
    void textsAreTheProgramsOwn()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QString, key);
        WindowFixture f;
        QObject* found = f.window().findChild<QObject*>(name);
        QVERIFY(found != nullptr);
        if (auto* menu = qobject_cast<QMenu*>(found)) {
            QCOMPARE(menu->title(), text);
        } else if (auto* action = qobject_cast<QAction*>(found)) {
            QCOMPARE(action->text(), text);
            QCOMPARE(action->shortcut(), QKeySequence(key));
        } else if (auto* label = qobject_cast<QLabel*>(found)) {
            QCOMPARE(label->text(), text);
        } else {
            QCOMPARE(qobject_cast<QWidget*>(found)->toolTip(), text);
        }
    }

    void makeDefaultRefillsTheLists()
    {
        WindowFixture f(QList<QStringList>{{"john", "0111"}});
        f.folders.writeSettings(
            {QStringLiteral("1"), QStringLiteral("book"), QStringLiteral("work")});
        f.folders.writePhoneBook(QStringLiteral("work"), bookBytes({{"zoe", "0999"}}));
        f.typeName(QStringLiteral("john"));
        f.modals.whenShown<newphone_book>(
            [](newphone_book* dialog) { chooseBookAndConfirm(dialog, QStringLiteral("work")); });
        f.window().findChild<QAction*>(QStringLiteral("makedefault"))->trigger();
        QVERIFY(f.modals.waitAllHandled());
        QCOMPARE(f.folders.readSettings(), (QStringList{"1", "work", "book"}));
        QCOMPARE(f.names()->entries(), (QStringList{"zoe", "", "", ""}));
        QCOMPARE(f.numbers()->entries(), (QStringList{"999", "", "", ""}));
        QVERIFY(f.text(0)->text().isEmpty());
    }

    void deletingTheOnlyBookOffersToCreateOne()
    {
        WindowFixture f(QList<QStringList>{{"john", "0111"}});
        f.modals.whenShown<newphone_book>(
            [](newphone_book* dialog) { chooseBookAndConfirm(dialog, QStringLiteral("book")); });
        QString createCaption;
        f.modals.whenShown<newphone_book>([&](newphone_book* dialog) {
            createCaption = dialog->windowTitle();
            dialog->reject();
        });
        f.messages.answerRest(MessageBox::Answer::Ok);
        f.window().findChild<QAction*>(QStringLiteral("dphonebook"))->trigger();
        QVERIFY(f.modals.waitAllHandled());
        QVERIFY(f.messages.texts().contains(QStringLiteral("Create a phone book")));
        QCOMPARE(createCaption, QStringLiteral("Create new phone book"));
        QCOMPARE(f.names()->count(), 0);
        QCOMPARE(f.numbers()->count(), 0);
    }

    void withoutPhoneBooksTheCommandsSaySo()
    {
        WindowFixture f;
        f.folders.writeSettings({QStringLiteral("1")});
        f.messages.answerNext(MessageBox::Answer::Cancel);
        f.window().findChild<QAction*>(QStringLiteral("makedefault"))->trigger();
        QCOMPARE(f.messages.texts(),
                 QStringList{"No phone book to make default,Create a phone book first"});
    }

    void manualDialOpensItsWindow()
    {
        WindowFixture f;
        bool shown = false;
        f.modals.whenShown<quickdial>([&shown](quickdial* dialog) {
            shown = true;
            dialog->reject();
        });
        f.window().findChild<QAction*>(QStringLiteral("qdial"))->trigger();
        QVERIFY(f.modals.waitAllHandled());
        QVERIFY(shown);
    }
};

VENNOR_TEST(CommandsTest)
#include "commandstest.moc"
