// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/folders.h"
#include "gui/about/aboutbox.h"
#include "gui/calllog/calllogwindow.h"
#include "gui/modem/dialingwindow.h"
#include "gui/modem/manualdialdialog.h"
#include "gui/modem/modemdetectiondialog.h"
#include "gui/phonebooks/phonebookdialog.h"
#include "gui/printing/printselectionwindow.h"
#include "gui/search/advancedsearchwindow.h"
#include "gui/sync/linkdialog.h"
#include "support/recordshost.h"
#include "support/testregistry.h"
#include "widgets/accentcolour.h"
#include "widgets/statusline.h"
#include "windowfixture.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QPushButton>
#include <QScopeGuard>
#include <QStyle>
#include <QTableView>
#include <QTest>

using namespace vennor;
using namespace vennor::test;

namespace {

// The part of a control the user sees: its contents, less what its parent cuts off.
QRect visiblePart(const QWidget* control)
{
    const QWidget* parent = control->parentWidget();
    const QRect parentArea(control->mapFromParent(QPoint(0, 0)), parent->size());
    return control->contentsRect().intersected(parentArea);
}

// Each label and button text of the window that its control cuts, described.
QStringList clippedTexts(const QWidget& window)
{
    QStringList clipped;
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        const auto* label = qobject_cast<const QLabel*>(control);
        const auto* button = qobject_cast<const QPushButton*>(control);
        const QString text = QString(label    ? label->text()
                                     : button ? button->text()
                                              : QString())
                                 .remove(QLatin1Char('&'));
        if (text.isEmpty() || !control->isVisibleTo(&window)) {
            continue;
        }
        const QRect room = visiblePart(control);
        const QFontMetrics metrics(control->font());
        const int frame =
            button ? 2 * control->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
        const QSize needed =
            label && label->wordWrap()
                ? metrics.boundingRect(room.adjusted(0, 0, 0, 10000), Qt::TextWordWrap, text).size()
                : QSize(metrics.horizontalAdvance(text), metrics.height()) + QSize(frame, frame);
        if (needed.width() > room.width() || needed.height() > room.height()) {
            clipped << QStringLiteral("%1 \"%2\" needs %3x%4, has %5x%6")
                           .arg(control->objectName(), text)
                           .arg(needed.width())
                           .arg(needed.height())
                           .arg(room.width())
                           .arg(room.height());
        }
    }
    return clipped;
}

int visibleRows(const QTableView* view)
{
    const int last = view->rowAt(view->viewport()->height() - 1);
    return (last < 0 ? view->model()->rowCount() : last + 1) - view->rowAt(0);
}

} // namespace

// Every caption of every window fits its control, whatever the size of the desktop's font.
class TextFitTest : public QObject
{
    Q_OBJECT

private slots:
    void everyCaptionFits_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("points");
        for (int points : {8, 9, 11, 14, 16}) {
            QTest::addRow("%d pt", points) << QString() << points;
        }
        QTest::newRow("serif") << "DejaVu Serif" << 11;
        QTest::newRow("fixed width") << "DejaVu Sans Mono" << 11;
    }
    void everyCaptionFits()
    {
        QFETCH(QString, family);
        QFETCH(int, points);
        const auto restore =
            qScopeGuard([font = QApplication::font()] { QApplication::setFont(font); });
        QFont font = QApplication::font();
        font.setFamily(family.isEmpty() ? font.family() : family);
        font.setPointSize(points);
        QApplication::setFont(font);
        WindowFixture f{{{"john", "0555"}}};
        QStringList clipped = clippedTexts(*f.window);

        RecordsHost host(f.state);
        std::vector<std::unique_ptr<QWidget>> windows;
        for (BookDialogMode mode :
             {BookDialogMode::create, BookDialogMode::rename, BookDialogMode::makeDefault,
              BookDialogMode::remove, BookDialogMode::backup}) {
            f.state.dialogMode = mode;
            windows.push_back(std::make_unique<PhoneBookDialog>(f.state, host, nullptr));
        }
        f.state.numberToDial = "0123 456 789";
        auto dialing = std::make_unique<DialingWindow>(f.state, nullptr, nullptr);
        dialing->findChild<QLabel*>("replyLabel")->setText("The modem refused the command");
        windows.push_back(std::move(dialing));
        auto detection = std::make_unique<ModemDetectionDialog>(f.state, nullptr);
        detection->findChild<QLabel*>("Label2")->setText("Com10");
        windows.push_back(std::move(detection));
        windows.push_back(std::make_unique<ManualDialDialog>(f.state, nullptr, nullptr));
        windows.push_back(std::make_unique<AdvancedSearchWindow>(f.state, host, nullptr));
        auto printing = std::make_unique<PrintSelectionWindow>(f.state, host, nullptr);
        printing->findChild<QLabel*>("Label1")->setText("100%");
        windows.push_back(std::move(printing));
        windows.push_back(std::make_unique<AboutBox>(nullptr));
        windows.push_back(std::make_unique<LinkDialog>("book"));
        windows.push_back(std::make_unique<CallLogWindow>(CallLogActions{}, nullptr));
        for (const auto& window : windows) {
            // Shown, a window lays itself out; those of fixed size start the modem when shown.
            window->layout() != nullptr ? window->show() : window->adjustSize();
            clipped << clippedTexts(*window);
        }
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join("\n")));
    }
};

// The search lists' coloured text stays readable on a light and on a dark desktop.
class PaletteTest : public QObject
{
    Q_OBJECT

private slots:
    void searchListsReadable()
    {
        QCOMPARE(qRound(contrastRatio(Qt::black, Qt::white)), 21);
        const QPalette light = QApplication::style()->standardPalette();
        QPalette dark = light;
        dark.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
        dark.setColor(QPalette::WindowText, Qt::white);
        dark.setColor(QPalette::Base, QColor(0x2a, 0x2a, 0x2a));
        dark.setColor(QPalette::Text, Qt::white);
        QPalette darkWithLink = dark;
        darkWithLink.setColor(QPalette::Link, QColor(0x2a, 0x82, 0xda));
        const QPalette before = QApplication::palette();
        WindowFixture f{{{"john", "0555"}}};
        // The window is built under the light palette; the desktop turns dark while it runs.
        for (const QPalette& palette : {light, dark, darkWithLink, light}) {
            QApplication::setPalette(palette);
            QTRY_COMPARE(f.window->palette().color(QPalette::Base), palette.color(QPalette::Base));
            for (SimpleCombo* list : {f.nameSearch(), f.numberSearch()}) {
                for (const QWidget* part :
                     {static_cast<QWidget*>(list->lineEdit()), list->listView()->viewport()}) {
                    const QColor text = part->palette().color(QPalette::Text);
                    const QColor base = part->palette().color(QPalette::Base);
                    QCOMPARE(base, palette.color(QPalette::Base));
                    QVERIFY2(contrastRatio(text, base) >= 4.5,
                             qPrintable(text.name() + " on " + base.name()));
                    QVERIFY2(text != palette.color(QPalette::Text), "no colour of its own");
                }
            }
        }
        QApplication::setPalette(before);
    }
};

// The main window and the windows that hold lists grow, the lists showing more of them; the
// main window comes back where it was left.
class ResizeTest : public QObject
{
    Q_OBJECT

private slots:
    void enlargedListsShowMoreRows()
    {
        QList<QStringList> records;
        for (int i = 0; i < 60; ++i) {
            records << QStringList{QStringLiteral("name %1").arg(i), QStringLiteral("1%1").arg(i)};
        }
        WindowFixture f(records);
        QTableView* names = f.nameSearch()->listView();
        QTableView* numbers = f.numberSearch()->listView();
        const int nameRows = visibleRows(names);
        const int numberRows = visibleRows(numbers);
        const int commentHeight = f.comment()->height();
        const int nameWidth = f.text(0)->width();
        f.window->resize(f.window->width() * 3 / 2, f.window->height() * 2);
        QTRY_VERIFY(visibleRows(names) > nameRows * 3 / 2);
        QVERIFY(visibleRows(numbers) > numberRows * 3 / 2);
        QVERIFY(f.comment()->height() > commentHeight);
        QVERIFY(f.text(0)->width() > nameWidth);
        // The record's boxes stay beside the search lists, not under them.
        QVERIFY(f.text(0)->geometry().right() < f.nameSearch()->geometry().left());
        QVERIFY(f.comment()->geometry().bottom() < f.numberBox()->geometry().top());
        QVERIFY(clippedTexts(*f.window).isEmpty());

        RecordsHost host(f.state);
        AdvancedSearchWindow search(f.state, host, nullptr);
        PrintSelectionWindow printing(f.state, host, nullptr);
        for (QDialog* window : std::initializer_list<QDialog*>{&search, &printing}) {
            window->show();
            auto* list = window->findChild<QListWidget*>();
            const QSize before = list->size();
            window->resize(window->size() * 2);
            QTRY_VERIFY(list->width() > before.width() && list->height() > before.height());
        }
    }
    void placementRemembered()
    {
        WindowFixture f;
        f.window->setGeometry(QRect(QPoint(50, 40), f.window->size() + QSize(100, 100)));
        const QRect left = f.window->geometry();
        QVERIFY(f.window->endProgram());
        f.open();
        QCOMPARE(f.window->geometry(), left);

        // A position off every screen (a monitor unplugged since) is not taken back.
        QFile ini(folders::settingsFolder() + "vennor.ini");
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[window]\nleft=-9000\ntop=-9000\nwidth=900\nheight=500\n");
        ini.close();
        f.window.reset();
        f.open();
        QVERIFY(QApplication::primaryScreen()->availableGeometry().contains(
            f.window->frameGeometry().center()));
    }
    void statusLineShowsWholeMessage()
    {
        MessageLog messages;
        StatusLine line;
        const QString message =
            "Sync failed at 10:42: No keyring: the password cannot be kept between runs.";
        line.setMessage(message);
        line.resize(120, line.sizeHint().height());
        line.show();
        QVERIFY(line.text().endsWith(QChar(0x2026)));
        QCOMPARE(line.toolTip(), message);
        QTest::mouseClick(&line, Qt::LeftButton);
        QCOMPARE(messages.texts(), QStringList{message});
    }
};

VENNOR_TEST(TextFitTest)
VENNOR_TEST(PaletteTest)
VENNOR_TEST(ResizeTest)

#include "desktoptest.moc"
