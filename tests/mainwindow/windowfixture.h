#pragma once

#include "mainwindow/form1.h"
#include "platform/simplecombo.h"
#include "platform/textbox.h"
#include "storage/sharedstate.h"
#include "support/messagelog.h"
#include "support/modaldriver.h"
#include "support/tempfolders.h"

#include <QByteArray>
#include <QComboBox>
#include <QLineEdit>
#include <QStringList>
#include <memory>

namespace vennor::test {

// One record as it lies in a phone book file: fields joined by CR LF, closed by ")".
QByteArray recordBytes(const QStringList& fields);
// A phone book file: ")" and then the records.
QByteArray bookBytes(const QList<QStringList>& records);

// A main window on temporary folders holding the settings file (port 1, default book
// "book") and the phone book "book" with the given records, shown and active.
class WindowFixture
{
public:
    explicit WindowFixture(const QList<QStringList>& records = {});
    // For a start-up with other files: the window is opened by open().
    struct Unopened
    {
    };
    explicit WindowFixture(Unopened) {}

    void open();

    form1& window() { return *window_; }
    SimpleCombo* names() const;
    SimpleCombo* numbers() const;
    TextBox* text(int index) const; // 0 to 2
    TextArea* comment() const;
    QComboBox* phones() const;
    QComboBox* types() const;

    // Types into the name or number search box, key by key.
    void typeName(const QString& text);
    void typeNumber(const QString& text);
    // Clicks the entry of a search list, as the user chooses it.
    void choose(SimpleCombo* list, int position);
    // Types a number into the number box and presses Enter.
    void addNumber(const QString& text);
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
