// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/mainwindow/mainwindow.h"

#include "gui/calls/callwatch.h"
#include "gui/vcard/vcardmenu.h"
#include "widgets/keyfilter.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace vennor {
namespace {

QMenu* topMenu(QMenuBar* bar, const char* name, const QString& caption)
{
    QMenu* menu = bar->addMenu(caption);
    menu->setObjectName(QLatin1String(name));
    return menu;
}

template <typename Handler>
QAction* item(QMenu* menu, const char* name, const QString& caption, Handler handler,
              const QKeySequence& key = {})
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(key);
    QObject::connect(action, &QAction::triggered, menu, handler);
    return action;
}

void separator(QMenu* menu, const char* name)
{
    menu->addSeparator()->setObjectName(QLatin1String(name));
}

QList<QKeySequence> accelerators()
{
    return {QKeySequence(Qt::CTRL | Qt::Key_S), QKeySequence(Qt::CTRL | Qt::Key_R),
            QKeySequence(Qt::CTRL | Qt::Key_D), QKeySequence(Qt::CTRL | Qt::Key_G),
            QKeySequence(Qt::CTRL | Qt::Key_M), QKeySequence(Qt::CTRL | Qt::Key_A),
            QKeySequence(Qt::CTRL | Qt::Key_L), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L),
            QKeySequence(Qt::CTRL | Qt::Key_B), QKeySequence(Qt::Key_F1)};
}

// The user acted on a call's notice: the window comes forward with what was asked.
void followCallNotices(const CallWatch& watch, MainWindow& window)
{
    const auto toFront = [&window] {
        window.raise();
        window.activateWindow();
    };
    QObject::connect(&watch, &CallWatch::showRequested, &window,
                     [&window, toFront](const QString& book, const QString& record) {
                         toFront();
                         window.showRecord(book, record);
                     });
    QObject::connect(&watch, &CallWatch::addRequested, &window,
                     [&window, toFront](const QString& number) {
                         toFront();
                         window.addRecordForNumber(number);
                         window.focusNameBox(); // the name is what the user gives next
                     });
}

} // namespace

void MainWindow::buildMenus()
{
    buildFileMenu();
    buildEditMenu();
    buildToolsMenu();
    buildDialMenu();
    buildHelpMenu();
    AcceleratorGuard::install(this, accelerators());
}

void MainWindow::buildFileMenu()
{
    QMenu* fileMenu = topMenu(menuBar(), "fil", tr("&File"));
    item(
        fileMenu, "save", tr("&Save"), [this] { saveRecord(); }, Qt::CTRL | Qt::Key_S);
    item(
        fileMenu, "clean", tr("&Clear"), [this] { clearRecord(); }, Qt::CTRL | Qt::Key_R);
    item(
        fileMenu, "deleterec", tr("&Delete"), [this] { deleteRecord(); }, Qt::CTRL | Qt::Key_D);
    separator(fileMenu, "dash");
    item(fileMenu, "del_num", tr("Delete number"), [this] { deleteNumber(); });
    separator(fileMenu, "vcardLine");
    item(fileMenu, "importVCard", tr("&Import vCard…"), [this] { importVCardFromMenu(*this); });
    item(fileMenu, "exportVCard", tr("E&xport vCard…"), [this] { exportVCardFromMenu(*this); });
    separator(fileMenu, "under");
    item(fileMenu, "exit", tr("&Exit"), [this] { endProgram(); });
}

void MainWindow::buildEditMenu()
{
    QMenu* edit = topMenu(menuBar(), "editphonebook", tr("&Edit"));
    item(edit, "nphonebook", tr("New phone book"),
         [this] { phoneBookCommand(BookDialogMode::create); });
    item(edit, "rphonebook", tr("Rename phone book"),
         [this] { phoneBookCommand(BookDialogMode::rename); });
    item(edit, "dphonebook", tr("Delete phone book"),
         [this] { phoneBookCommand(BookDialogMode::remove); });
    item(edit, "makedefault", tr("Make default"),
         [this] { phoneBookCommand(BookDialogMode::makeDefault); });
}

void MainWindow::buildToolsMenu()
{
    QMenu* tools = topMenu(menuBar(), "tools", tr("&Tools"));
    item(
        tools, "Get_backup", tr("Get backup"), [this] { getBackupCommand(); },
        Qt::CTRL | Qt::Key_G);
    item(
        tools, "Make_backup", tr("Make backup"),
        [this] { phoneBookCommand(BookDialogMode::backup); }, Qt::CTRL | Qt::Key_M);
    item(
        tools, "Advsrch", tr("Advanced search"), [this] { advancedSearchCommand(); },
        Qt::CTRL | Qt::Key_A);
    item(tools, "printcommand", tr("Print Phone Book"), [this] { printCommand(); });
}

void MainWindow::buildDialMenu()
{
    QMenu* dialMenu = topMenu(menuBar(), "dil", tr("&Dial"));
    item(
        dialMenu, "dialnow", tr("&Dial"), [this] { dialSelectedNumber(); }, Qt::CTRL | Qt::Key_L);
    item(dialMenu, "qdial", tr("&Manual dial"), [this] { manualDial(); });
    item(dialMenu, "detectmodem", tr("Detect Modem"), [this] { detectModem(); });
    buildWatchItem(dialMenu);
    buildCallItems(dialMenu);
}

void MainWindow::buildWatchItem(QMenu* dialMenu)
{
    callWatch_ = new CallWatch(state_, *this);
    callWatch_->share(bookIndex_);
    separator(dialMenu, "watchLine");
    QAction* watch = item(dialMenu, "watchcalls", tr("&Watch for incoming calls"),
                          [this](bool on) { callWatch_->setOn(on); });
    watch->setCheckable(true);
    watch->setChecked(CallWatch::rememberedOn());
    connect(callWatch_, &CallWatch::switchedOff, watch, [watch] { watch->setChecked(false); });
    followCallNotices(*callWatch_, *this);
}

// Beside the watch, under its line.
void MainWindow::buildCallItems(QMenu* dialMenu)
{
    item(dialMenu, "calllog", tr("Call &log…"), [this] { callLogCommand(); });
    // Beside Dial's Ctrl+L; no other command uses it.
    item(
        dialMenu, "redial", tr("&Redial"), [this] { redial(); }, Qt::CTRL | Qt::SHIFT | Qt::Key_L);
}

void MainWindow::buildHelpMenu()
{
    QMenu* help = topMenu(menuBar(), "helpme", tr("&Help"));
    item(
        help, "helpuser", tr("&Help Topics"), [this] { helpTopicsCommand(); }, Qt::Key_F1);
    separator(help, "lin");
    item(help, "latestversion", tr("Download Latest version"), [this] { latestVersionCommand(); });
    item(help, "mai", tr("Join Vennor mail group"), [this] { mailGroupCommand(); });
    separator(help, "newline");
    item(
        help, "abt", tr("&About"), [this] { aboutCommand(); }, Qt::CTRL | Qt::Key_B);
}

} // namespace vennor
