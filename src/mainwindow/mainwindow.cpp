#include "mainwindow/mainwindow.h"

#include "platform/simplecombo.h"
#include "platform/textbox.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLayout>

// The icons live in the library, whose resources the linker would otherwise leave out.
static void initResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace vennor {

MainWindow::MainWindow(SharedState& state, QWidget* parent) : QMainWindow(parent), state_(state)
{
    initResources();
    setObjectName(QStringLiteral("form1"));
    setWindowTitle(QStringLiteral("VENNOR"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/vennor.svg")));
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    buildControls(client);
    buildMenus();
    connectControls();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    centreOnScreen();
    Combo1->setFocus();
    loadlists();
}

MainWindow::~MainWindow() = default;

QStringList MainWindow::nameEntries() const
{
    return Combo1->entries();
}

QString MainWindow::fieldText(int index) const
{
    return Text.text(index);
}

QStringList MainWindow::numberEntries() const
{
    QStringList numbers;
    for (int i = 0; i < phones->count(); ++i) {
        numbers << phones->itemText(i);
    }
    return numbers;
}

bool MainWindow::save()
{
    return sav_Click();
}

void MainWindow::focusNameBox()
{
    Text[0]->setFocus();
}

void MainWindow::focusNameSearch()
{
    Combo1->setFocus();
}

} // namespace vennor
