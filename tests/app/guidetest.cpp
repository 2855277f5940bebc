#include "help/userguidewindow.h"
#include "mainwindow/mainwindow.h"
#include "modem/manualdialdialog.h"
#include "phonebooks/phonebookdialog.h"
#include "printing/printselectionwindow.h"
#include "search/advancedsearchwindow.h"
#include "support/messagelog.h"
#include "support/recordshost.h"
#include "support/tempfolders.h"
#include "support/testregistry.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBrowser>

using namespace vennor;

// The main window on temporary folders with an empty default phone book.
struct OpenWindow
{
    OpenWindow()
    {
        window.show();
        window.activateWindow();
    }
    test::TempFolders folders;
    bool written =
        (folders.writeSettings({"1", "book"}), folders.writePhoneBook("book", ")\r\n"), true);
    test::MessageLog messages;
    SharedState state;
    MainWindow window{state};
};

// Text boxes and lists a user can reach, as a screen reader finds them.
static QStringList unnamedControls(QWidget* window)
{
    QStringList unnamed;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        const bool textOrList =
            qobject_cast<QLineEdit*>(control) || qobject_cast<QAbstractItemView*>(control) ||
            qobject_cast<QComboBox*>(control) || qobject_cast<QTextEdit*>(control) ||
            qobject_cast<QPlainTextEdit*>(control);
        if (textOrList && control->isVisibleTo(window) &&
            QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).isEmpty()) {
            unnamed << control->objectName() + '/' + control->metaObject()->className();
        }
    }
    return unnamed;
}

class GuideTest : public QObject
{
    Q_OBJECT

private slots:
    // F1 in the main window: the guide in a window of its own, the same one each time; Esc
    // closes it.
    void helpTopicsShowsTheGuide()
    {
        OpenWindow main;
        QVERIFY(QTest::qWaitForWindowActive(&main.window));
        for (int time = 0; time < 2; ++time) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
            const auto guides = main.window.findChildren<UserGuideWindow*>();
            QCOMPARE(guides.size(), 1);
            QVERIFY(guides.first()->isVisible() && guides.first()->isWindow());
            QTRY_COMPARE(QApplication::activeWindow(), guides.first());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            QVERIFY(!guides.first()->isVisible());
            main.window.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&main.window));
        }
        QCOMPARE(main.messages.count(), 0);
    }

    void guideCoversTheTasks_data()
    {
        QTest::addColumn<QString>("text");
        for (const char* topic : {"New phone book", "save (File > Save)", "number search box",
                                  "wildcards", "Print Phone Book", "Make backup", "Get backup",
                                  "Detect Modem", "vennor tel:+44-20-7946-0958",
                                  "internationalPrefix", "~/.local/share/vennor/", "dialout"}) {
            QTest::newRow(topic) << QString::fromUtf8(topic);
        }
    }
    void guideCoversTheTasks()
    {
        QWidget owner;
        const QString guide = UserGuideWindow(&owner).browser()->toPlainText();
        QFETCH(QString, text);
        QVERIFY(guide.contains(text));
    }

    void everyTextBoxAndListIsNamed()
    {
        OpenWindow main;
        test::RecordsHost host(main.state);
        QWidget* windows[] = {&main.window,
                              new PhoneBookDialog(main.state, host, &main.window),
                              new ManualDialDialog(main.state, nullptr, &main.window),
                              new AdvancedSearchWindow(main.state, host, &main.window),
                              new PrintSelectionWindow(main.state, host, &main.window),
                              new UserGuideWindow(&main.window)};
        for (QWidget* window : windows) {
            QCOMPARE(unnamedControls(window), QStringList());
        }
    }
};

VENNOR_TEST(GuideTest)
#include "guidetest.moc"
