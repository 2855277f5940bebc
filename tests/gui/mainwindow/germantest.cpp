// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program as a user whose language is German sees it: the translators installed at
// start-up for a de_DE locale, then the windows, menus and messages in German.
#include "gui/about/aboutbox.h"
#include "gui/calllog/calllogwindow.h"
#include "gui/help/userguidewindow.h"
#include "gui/modem/dialingwindow.h"
#include "gui/modem/manualdialdialog.h"
#include "gui/modem/modemdetectiondialog.h"
#include "gui/phonebooks/phonebookdialog.h"
#include "gui/printing/printselectionwindow.h"
#include "gui/search/advancedsearchwindow.h"
#include "gui/translations.h"
#include "support/testregistry.h"
#include "windowfixture.h"

#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTranslator>

using namespace vennor;
using namespace vennor::test;

namespace {

// The letters marked with "&" in the captions, in order.
QString acceleratorsOf(const QList<QAction*>& actions)
{
    QString letters;
    for (const QAction* action : actions) {
        const qsizetype at = action->text().indexOf(u'&');
        if (at >= 0 && at + 1 < action->text().size()) {
            letters += action->text().at(at + 1).toLower();
        }
    }
    return letters;
}

// The captions and button texts of a window that are wider than their controls.
QStringList cutTexts(const QWidget& window)
{
    QStringList cut;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        const QString text = QString(label->text()).remove(u'&');
        if (!label->isHidden() && !label->wordWrap() &&
            label->fontMetrics().horizontalAdvance(text) > label->contentsRect().width()) {
            cut << text;
        }
    }
    for (const QPushButton* button : window.findChildren<QPushButton*>()) {
        const QString text = QString(button->text()).remove(u'&');
        constexpr int kFrame = 4; // a text wider than the inside of the frame is cut
        if (button->fontMetrics().horizontalAdvance(text) + kFrame > button->width()) {
            cut << text;
        }
    }
    return cut;
}

} // namespace

class GermanTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        app::installTranslations(*QCoreApplication::instance(),
                                 QLocale(QLocale::German, QLocale::Germany));
    }
    void cleanup()
    {
        qDeleteAll(
            QCoreApplication::instance()->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly));
    }

    void mainWindowAndItsMessagesInGerman()
    {
        WindowFixture f({{"ann", "", "", "", "0555"}});
        QCOMPARE(acceleratorsOf(f.window->menuBar()->actions()), "dbxwh");
        QCOMPARE(f.child<QMenu>("fil")->title(), "&Datei");
        QCOMPARE(f.child("exit")->text(), "&Beenden");
        QCOMPARE(f.child<QLabel>("Label4")->text(), "Name suchen");
        QCOMPARE(f.typeBox()->itemText(0), "Privat");
        QCOMPARE(f.child<QWidget>("sav")->toolTip(), "Den Datensatz speichern");
        // Qt's own texts come from its German translation.
        QCOMPARE(f.child("save")->shortcut().toString(QKeySequence::NativeText), "Strg+S");

        f.click(f.text(0));
        f.type("bob");
        f.press(Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(f.messages.texts(), QStringList{"Wählen Sie einen Datensatz zum Löschen"});
        QCOMPARE(f.messages.last().title, "Warnung");
    }

    void germanTextsFitTheirControls()
    {
        WindowFixture f;
        QCOMPARE(cutTexts(*f.window), QStringList());
        QCOMPARE(cutTexts(PrintSelectionWindow(f.state, *f.window, f.window.get())), QStringList());
        QCOMPARE(cutTexts(AdvancedSearchWindow(f.state, *f.window, f.window.get())), QStringList());
        QCOMPARE(cutTexts(ManualDialDialog(f.state, nullptr, f.window.get())), QStringList());
        QCOMPARE(cutTexts(DialingWindow(f.state, nullptr, f.window.get())), QStringList());
        QCOMPARE(cutTexts(ModemDetectionDialog(f.state, f.window.get())), QStringList());
        QCOMPARE(cutTexts(AboutBox(f.window.get())), QStringList());
        CallLogWindow callLog({}, f.window.get());
        callLog.show(); // it lays itself out when shown
        QCOMPARE(cutTexts(callLog), QStringList());
        for (const BookDialogMode mode : {BookDialogMode::create, BookDialogMode::rename,
                                          BookDialogMode::makeDefault, BookDialogMode::backup}) {
            f.state.dialogMode = mode;
            QCOMPARE(cutTexts(PhoneBookDialog(f.state, *f.window, f.window.get())), QStringList());
        }
    }

    void guideInGerman()
    {
        const UserGuideWindow guide(nullptr);
        const QString text = guide.findChild<QTextBrowser*>()->toPlainText();
        QVERIFY2(text.contains("Telefonbücher"), qPrintable(text.left(200)));
    }

    // Alt and a letter must reach one command: within a menu no letter is marked twice.
    void everyMenuMarksEachLetterOnce()
    {
        WindowFixture f;
        for (const QMenu* menu : f.window->findChildren<QMenu*>()) {
            const QString letters = acceleratorsOf(menu->actions());
            for (const QChar letter : letters) {
                QVERIFY2(letters.count(letter) == 1,
                         qPrintable(menu->title() + ": " + letter + " twice"));
            }
        }
    }
};

VENNOR_TEST(GermanTest)
#include "germantest.moc"
