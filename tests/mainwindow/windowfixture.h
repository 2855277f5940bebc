#pragma once

#include "mainwindow/form1.h"
#include "platform/simplecombo.h"
#include "platform/textbox.h"
#include "storage/sharedstate.h"
#include "support/messagelog.h"
#include "support/modaldriver.h"
#include "support/tempfolders.h"

#include <QAction>
#include <QComboBox>
#include <memory>

namespace vennor::test {

// A phone book file: ")" and then each record's fields, every line ending CR LF.
QByteArray bookBytes(const QList<QStringList>& records);

// A main window on temporary folders holding the settings file (port 1, default book "book")
// and the phone book "book" with the given records, shown and active. Unopened: no files, no
// window until open().
class WindowFixture
{
public:
    explicit WindowFixture(const QList<QStringList>& records = {});
    struct Unopened
    {
    };
    explicit WindowFixture(Unopened) {}
    void open();

    form1& window() { return *window_; }
    SimpleCombo* names() const { return child<SimpleCombo>("Combo1"); }
    SimpleCombo* numbers() const { return child<SimpleCombo>("Combo2"); }
    TextBox* text(int index) const
    {
        return child<TextBox>(qPrintable(QString("Text%1").arg(index)));
    }
    TextArea* comment() const { return child<TextArea>("Text3"); }
    QComboBox* phones() const { return child<QComboBox>("phones"); }
    QComboBox* types() const { return child<QComboBox>("Combo3"); }
    template <typename T = QAction> T* child(const char* name) const
    {
        return window_->findChild<T*>(QString::fromLatin1(name));
    }
    void trigger(const char* action) const { child<QAction>(action)->trigger(); }

    // The four text boxes (the comment last); fill() sets them as a paste would.
    QStringList fields() const;
    void fill(const QStringList& fields) const;
    // Clicks the entry of a search list, as the user chooses it.
    void choose(SimpleCombo* list, const QString& entry) const;
    // Types a number into the number box and presses Enter.
    void addNumber(const QString& text) const;
    QStringList phoneEntries() const;
    QByteArray book() const { return folders.readPhoneBook(QStringLiteral("book")); }

    TempFolders folders;
    MessageLog messages;
    ModalDriver modals;
    SharedState state;

private:
    std::unique_ptr<form1> window_;
};

} // namespace vennor::test
