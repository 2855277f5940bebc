// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gui/mainwindow/mainwindow.h"
#include "support/messagelog.h"
#include "support/modaldriver.h"
#include "support/tempfolders.h"
#include "widgets/simplecombo.h"
#include "widgets/textbox.h"

#include <QAction>
#include <QComboBox>
#include <memory>

namespace vennor::test {

// A phone book file: ")" and then each record's fields, every line ending CR LF.
QByteArray bookBytes(const QList<QStringList>& records);

// The main window, shown and active, on temporary folders: settings with port 1 and the
// default book "book" holding the records. Unopened: no files and no window until open().
struct WindowFixture
{
    struct Unopened
    {
    };
    explicit WindowFixture(Unopened) {}
    explicit WindowFixture(const QList<QStringList>& records = {});
    void open();

    template <typename T = QAction> T* child(const QString& name) const
    {
        return window->findChild<T*>(name);
    }
    SimpleCombo* nameSearch() const { return child<SimpleCombo>("Combo1"); }
    SimpleCombo* numberSearch() const { return child<SimpleCombo>("Combo2"); }
    TextBox* text(int index) const { return child<TextBox>(QString("Text%1").arg(index)); }
    TextArea* comment() const { return child<TextArea>("Text3"); }
    QComboBox* numberBox() const { return child<QComboBox>("phones"); }
    QComboBox* typeBox() const { return child<QComboBox>("Combo3"); }

    // The four text boxes, the comment last; fill() sets them as a paste would.
    QStringList fields() const
    {
        return {text(0)->text(), text(1)->text(), text(2)->text(), comment()->text()};
    }
    void fill(const QStringList& fields) const;
    // Clicks the entry of a search list, as the user chooses it.
    void choose(SimpleCombo* list, const QString& entry) const;
    // Clicks a control as the user does (an editable combo box on its edit line), which
    // gives it the focus; type() and press() then go where the user's keys go.
    void click(QWidget* control) const;
    void type(const QString& keys) const;
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) const;
    // Clicks the number box, replaces its text by typing the number and presses Enter.
    void addNumber(const QString& number) const;
    QStringList numberBoxEntries() const;
    QByteArray book() const { return folders.readPhoneBook("book"); }

    TempFolders folders;
    MessageLog messages;
    ModalDriver modals;
    SharedState state;
    std::unique_ptr<MainWindow> window;
};

} // namespace vennor::test
