// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/mainwindow/mainwindow.h"

#include "widgets/simplecombo.h"
#include "widgets/textbox.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>

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
    adjustSize();
    restorePlacement();
    nameSearch_->setFocus();
    fillSearchLists();
}

MainWindow::~MainWindow() = default;

QStringList MainWindow::nameEntries() const
{
    return nameSearch_->entries();
}

QString MainWindow::fieldText(int index) const
{
    return fields_.text(index);
}

QStringList MainWindow::numberEntries() const
{
    QStringList numbers;
    for (int i = 0; i < numbers_->count(); ++i) {
        numbers << numbers_->itemText(i);
    }
    return numbers;
}

bool MainWindow::save()
{
    return saveRecord();
}

void MainWindow::focusNameBox()
{
    fields_[0]->setFocus();
}

void MainWindow::focusNameSearch()
{
    nameSearch_->setFocus();
}

} // namespace vennor
