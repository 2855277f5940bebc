#include "mainwindow/mainwindow.h"

#include "platform/keyfilter.h"

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
    return {QKeySequence(Qt::CTRL | Qt::Key_S),
            QKeySequence(Qt::CTRL | Qt::Key_R),
            QKeySequence(Qt::CTRL | Qt::Key_D),
            QKeySequence(Qt::CTRL | Qt::Key_G),
            QKeySequence(Qt::CTRL | Qt::Key_M),
            QKeySequence(Qt::CTRL | Qt::Key_A),
            QKeySequence(Qt::CTRL | Qt::Key_L),
            QKeySequence(Qt::CTRL | Qt::Key_B),
            QKeySequence(Qt::Key_F1)};
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
    QMenu* fil = topMenu(menuBar(), "fil", QStringLiteral("&File"));
    item(
        fil, "save", QStringLiteral("&Save"), [this] { sav_Click(); }, Qt::CTRL | Qt::Key_S);
    item(
        fil, "clean", QStringLiteral("&Clear"), [this] { clr_Click(); }, Qt::CTRL | Qt::Key_R);
    item(
        fil, "deleterec", QStringLiteral("&Delete"), [this] { del_Click(); }, Qt::CTRL | Qt::Key_D);
    separator(fil, "dash");
    item(fil, "del_num", QStringLiteral("Delete number"), [this] { deleteNumber(); });
    separator(fil, "under");
    item(fil, "exit", QStringLiteral("&Exit"), [this] { extprogram(); });
}

void MainWindow::buildEditMenu()
{
    QMenu* edit = topMenu(menuBar(), "editphonebook", QStringLiteral("&Edit"));
    item(edit, "nphonebook", QStringLiteral("New phone book"), [this] { phoneBookCommand(0); });
    item(edit, "rphonebook", QStringLiteral("Rename phone book"), [this] { phoneBookCommand(1); });
    item(edit, "dphonebook", QStringLiteral("Delete phone book"), [this] { phoneBookCommand(3); });
    item(edit, "makedefault", QStringLiteral("Make default"), [this] { phoneBookCommand(2); });
}

void MainWindow::buildToolsMenu()
{
    QMenu* tools = topMenu(menuBar(), "tools", QStringLiteral("&Tools"));
    item(
        tools, "Get_backup", QStringLiteral("Get backup"), [this] { getBackupCommand(); },
        Qt::CTRL | Qt::Key_G);
    item(
        tools, "Make_backup", QStringLiteral("Make backup"), [this] { phoneBookCommand(4); },
        Qt::CTRL | Qt::Key_M);
    item(
        tools, "Advsrch", QStringLiteral("Advanced search"), [this] { advancedSearchCommand(); },
        Qt::CTRL | Qt::Key_A);
    item(tools, "printcommand", QStringLiteral("Print Phone Book"), [this] { printCommand(); });
}

void MainWindow::buildDialMenu()
{
    QMenu* dil = topMenu(menuBar(), "dil", QStringLiteral("&Dial"));
    item(
        dil, "dialnow", QStringLiteral("&Dial"), [this] { dial_Click(); }, Qt::CTRL | Qt::Key_L);
    item(dil, "qdial", QStringLiteral("&Manual dial"), [this] { manualDial(); });
    item(dil, "detectmodem", QStringLiteral("Detect Modem"), [this] { detectModem(); });
}

void MainWindow::buildHelpMenu()
{
    QMenu* help = topMenu(menuBar(), "helpme", QStringLiteral("&Help"));
    item(
        help, "helpuser", QStringLiteral("&Help Topics"), [this] { helpTopicsCommand(); },
        Qt::Key_F1);
    separator(help, "lin");
    item(help, "latestversion", QStringLiteral("Download Latest version"),
         [this] { latestVersionCommand(); });
    item(help, "mai", QStringLiteral("Join Vennor mail group"), [this] { mailGroupCommand(); });
    separator(help, "newline");
    item(
        help, "abt", QStringLiteral("&About"), [this] { aboutCommand(); }, Qt::CTRL | Qt::Key_B);
}

} // namespace vennor
