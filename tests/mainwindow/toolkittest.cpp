#include "platform/keyfilter.h"
#include "platform/simplecombo.h"
#include "platform/sortedtext.h"
#include "platform/textbox.h"
#include "support/testregistry.h"

#include <QAction>
#include <QLineEdit>
#include <QListView>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

using namespace vennor;

class ToolkitTest : public QObject
{
    Q_OBJECT

private slots:
    void sortedInsertionIgnoresCaseAndComparesDigitsAsText()
    {
        SimpleCombo combo;
        combo.setSorted(true);
        for (const char* text : {"20", "banana", "100", "Apple", "cherry", "apple", "3"}) {
            combo.addItem(QString::fromLatin1(text));
        }
        QCOMPARE(combo.entries(),
                 (QStringList{"100", "20", "3", "Apple", "apple", "banana", "cherry"}));
    }

    void positionedEntriesStayAndSortedOnesGoBeforeTrailingEmpties()
    {
        SimpleCombo combo;
        combo.setSorted(true);
        combo.addItems({"bob", "anna"});
        for (int i = 0; i < 3; ++i) {
            combo.insertItem(combo.count(), QString());
        }
        combo.insertItem(0, QStringLiteral("zed"));
        QCOMPARE(combo.addItem(QStringLiteral("carl")), 3);
        QCOMPARE(combo.entries(), (QStringList{"zed", "anna", "bob", "carl", "", "", ""}));
        combo.removeItem(0);
        QCOMPARE(combo.indexOf(QStringLiteral("carl")), 2);
        QCOMPARE(combo.indexOf(QStringLiteral("Carl")), -1);
        combo.clear();
        QCOMPARE(combo.count(), 0);
    }

    void bulkFillGivesTheSameOrderAsOneByOne()
    {
        QStringList texts;
        for (int i = 0; i < 500; ++i) {
            texts << QStringLiteral("%1name%2").arg(QChar(i % 2 ? 'N' : 'n')).arg((i * 7919) % 997);
        }
        SimpleCombo oneByOne;
        oneByOne.setSorted(true);
        for (const QString& text : texts) {
            oneByOne.addItem(text);
        }
        SimpleCombo bulk;
        bulk.setSorted(true);
        bulk.addItems(texts.mid(0, 200));
        bulk.addItems(texts.mid(200));
        QCOMPARE(bulk.entries(), oneByOne.entries());
        for (int i = 1; i < bulk.count(); ++i) {
            QVERIFY(sortedtext::compare(bulk.at(i - 1), bulk.at(i)) <= 0);
        }
    }

    void quickOrderAgreesWithTheCollator()
    {
        const QString alphabet = QStringLiteral(" .09aAzZmM5-@,_");
        QRandomGenerator random(7);
        QStringList texts;
        for (int i = 0; i < 400; ++i) {
            QString text;
            const int length = int(random.bounded(5));
            for (int j = 0; j < length; ++j) {
                text += alphabet.at(int(random.bounded(int(alphabet.size()))));
            }
            texts << text;
        }
        for (const QString& a : std::as_const(texts)) {
            for (const QString& b : std::as_const(texts)) {
                const int quick = sortedtext::compare(a, b);
                const int reference = sortedtext::compareByCollator(a, b);
                QVERIFY2((quick < 0) == (reference < 0) && (quick > 0) == (reference > 0),
                         qPrintable(a + QLatin1Char('|') + b));
            }
        }
        QStringList sorted = texts;
        sortedtext::sort(sorted);
        for (qsizetype i = 1; i < sorted.size(); ++i) {
            QVERIFY(sortedtext::compareByCollator(sorted.at(i - 1), sorted.at(i)) <= 0);
        }
    }

    void changeOnEveryTextChangeClickOnlyWhenChosen()
    {
        SimpleCombo combo;
        combo.resize(200, 120);
        combo.addItems({"anna", "bob"});
        combo.show();
        QVERIFY(QTest::qWaitForWindowExposed(&combo));
        QSignalSpy changed(&combo, &SimpleCombo::changed);
        QSignalSpy clicked(&combo, &SimpleCombo::clicked);

        QTest::keyClicks(combo.lineEdit(), QStringLiteral("an"));
        QCOMPARE(changed.count(), 2);
        combo.setText(QStringLiteral("x"));
        QCOMPARE(changed.count(), 3);
        combo.setText(QStringLiteral("x"));
        QCOMPARE(changed.count(), 3);

        QListView* view = combo.listView();
        const QModelIndex second = view->model()->index(1, 0);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(second).center());
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(changed.count(), 3);
        QCOMPARE(combo.text(), QStringLiteral("bob"));

        QTest::keyClick(combo.lineEdit(), Qt::Key_Up);
        QCOMPARE(combo.text(), QStringLiteral("anna"));
        QCOMPARE(clicked.count(), 2);
    }

    void textBoxesMarkEveryChange()
    {
        TextBox line;
        TextArea area;
        QVERIFY(!line.dataChanged() && !area.dataChanged());
        line.setText(QStringLiteral("a"));
        area.setText(QStringLiteral("b"));
        QVERIFY(line.dataChanged() && area.dataChanged());
        line.setDataChanged(false);
        QTest::keyClick(&line, Qt::Key_X);
        QVERIFY(line.dataChanged());
    }

    void keyPressHandlerSeesCodesAndSwallows()
    {
        QLineEdit edit;
        QList<int> seen;
        KeyPressFilter::install(&edit, [&seen](int& key) {
            seen << key;
            if (key == ',') {
                key = 0;
            }
        });
        QTest::keyClicks(&edit, QStringLiteral("a,b"));
        QTest::keyClick(&edit, Qt::Key_Return);
        QCOMPARE(edit.text(), QStringLiteral("ab"));
        QCOMPARE(seen, (QList<int>{'a', ',', 'b', 13}));
    }

    void acceleratorsReachTheMenuFromATextBox()
    {
        QWidget window;
        auto* edit = new QLineEdit(QStringLiteral("text"), &window);
        auto* action = new QAction(&window);
        action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
        window.addAction(action);
        AcceleratorGuard::install(&window, {QKeySequence(Qt::CTRL | Qt::Key_A)});
        QSignalSpy triggered(action, &QAction::triggered);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        edit->setFocus();
        edit->deselect();
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(triggered.count(), 1);
        QVERIFY(!edit->hasSelectedText());
    }
};

VENNOR_TEST(ToolkitTest)
#include "toolkittest.moc"
