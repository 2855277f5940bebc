#include "gui/mainwindow/mainwindow.h"

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
    QMenu* fileMenu = topMenu(menuBar(), "fil", QStringLiteral("&File"));
    item(
        fileMenu, "save", QStringLiteral("&Save"), [this] { saveRecord(); }, Qt::CTRL | Qt::Key_S);
    item(
        fileMenu, "clean", QStringLiteral("&Clear"), [this] { clearRecord(); },
        Qt::CTRL | Qt::Key_R);
    item(
        fileMenu, "deleterec", QStringLiteral("&Delete"), [this] { deleteRecord(); },
        Qt::CTRL | Qt::Key_D);
    separator(fileMenu, "dash");
    item(fileMenu, "del_num", QStringLiteral("Delete number"), [this] { deleteNumber(); });
    separator(fileMenu, "vcardLine");
    item(fileMenu, "importVCard", QStringLiteral("&Import vCard…"),
         [this] { importVCardFromMenu(*this); });
    item(fileMenu, "exportVCard", QStringLiteral("E&xport vCard…"),
         [this] { exportVCardFromMenu(*this); });
    separator(fileMenu, "under");
    item(fileMenu, "exit", QStringLiteral("&Exit"), [this] { endProgram(); });
}

void MainWindow::buildEditMenu()
{
    QMenu* edit = topMenu(menuBar(), "editphonebook", QStringLiteral("&Edit"));
    item(edit, "nphonebook", QStringLiteral("New phone book"),
         [this] { phoneBookCommand(BookDialogMode::create); });
    item(edit, "rphonebook", QStringLiteral("Rename phone book"),
         [this] { phoneBookCommand(BookDialogMode::rename); });
    item(edit, "dphonebook", QStringLiteral("Delete phone book"),
         [this] { phoneBookCommand(BookDialogMode::remove); });
    item(edit, "makedefault", QStringLiteral("Make default"),
         [this] { phoneBookCommand(BookDialogMode::makeDefault); });
}

void MainWindow::buildToolsMenu()
{
    QMenu* tools = topMenu(menuBar(), "tools", QStringLiteral("&Tools"));
    item(
        tools, "Get_backup", QStringLiteral("Get backup"), [this] { getBackupCommand(); },
        Qt::CTRL | Qt::Key_G);
    item(
        tools, "Make_backup", QStringLiteral("Make backup"),
        [this] { phoneBookCommand(BookDialogMode::backup); }, Qt::CTRL | Qt::Key_M);
    item(
        tools, "Advsrch", QStringLiteral("Advanced search"), [this] { advancedSearchCommand(); },
        Qt::CTRL | Qt::Key_A);
    item(tools, "printcommand", QStringLiteral("Print Phone Book"), [this] { printCommand(); });
}

void MainWindow::buildDialMenu()
{
    QMenu* dialMenu = topMenu(menuBar(), "dil", QStringLiteral("&Dial"));
    item(
        dialMenu, "dialnow", QStringLiteral("&Dial"), [this] { dialSelectedNumber(); },
        Qt::CTRL | Qt::Key_L);
    item(dialMenu, "qdial", QStringLiteral("&Manual dial"), [this] { manualDial(); });
    item(dialMenu, "detectmodem", QStringLiteral("Detect Modem"), [this] { detectModem(); });
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
