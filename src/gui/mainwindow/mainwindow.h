// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/bookindex.h"
#include "core/result.h"
#include "gui/recordhost.h"
#include "gui/sharedstate.h"

#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <array>
#include <optional>

class QComboBox;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;

namespace vennor {

class PhoneBookFile;
class SimpleCombo;
class TextArea;
class AboutBox;
class CallWatch;
class AdvancedSearchWindow;
class CallLogWindow;
class PrintSelectionWindow;
class TextBox;
class TwipsLayout;
struct Listing;
struct Record;

// The four text boxes of the record: 0 name, 1 e-mail, 2 address (one line each), 3 comment.
struct RecordFields
{
    std::array<TextBox*, 3> line{};
    TextArea* comment = nullptr;

    QWidget* operator[](int index) const;
    QString text(int index) const;
    void setText(int index, const QString& text) const;
    bool dataChanged(int index) const;
    void setDataChanged(int index, bool changed) const;
};

// The main window: the record editor with its two search lists, menus and toolbar.
class MainWindow : public QMainWindow, public RecordHost
{
    Q_OBJECT

public:
    // Builds the window and fills the lists from the default phone book; a missing settings
    // file or phone book takes the user through detection or the phone book dialog first.
    explicit MainWindow(SharedState& state, QWidget* parent = nullptr);
    ~MainWindow() override;

    // RecordHost
    QWidget* window() override { return this; }
    QStringList nameEntries() const override;
    void loadRecordByName() override;
    QString fieldText(int index) const override;
    QStringList numberEntries() const override;
    bool hasUnsavedChanges() const override;
    bool save() override;
    std::function<void()> keepEditor() override;
    void refillLists() override;
    void focusNameBox() override;
    void focusNameSearch() override;

    // Commands of the menus and the toolbar.
    bool saveRecord();
    void deleteRecord();
    void deleteNumber();
    void dialSelectedNumber();
    // Dials the number through the Dial command's path (a tel: link, --dial).
    void dialNumber(const QString& number);
    void manualDial();
    void detectModem();
    // Asks to save a changed record, then ends the program; false when the user asked to save
    // and the save failed, so the window stays open with the record.
    bool endProgram();
    bool isEnded() const { return ending_; }

    void fillSearchLists();
    void clearRecord();
    void loadRecordByNumber();

    bool hasRecordFromFile() const { return recordFromFile_; }
    // The name of the record shown as the file holds it; empty when none is.
    QString shownRecordName() const;
    // Shows the record of that name as choosing it in the name list does.
    void showRecordNamed(const QString& name);
    // Shows a record of any listed phone book, which becomes the default; a changed record on
    // screen is offered for saving first.
    void showRecord(const QString& book, const QString& recordName);
    // Starts a new record holding the number, typed Home, for the user to name and save.
    void addRecordForNumber(const QString& number);

signals:
    // endProgram ended the program: every window is to close and the process to exit.
    void programEnded();
    // A save or a delete wrote the default phone book.
    void bookChanged();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Layout and menus
    void buildControls(QWidget* client);
    void buildToolbar(TwipsLayout& layout);
    void buildRecordFields(TwipsLayout& layout);
    void buildSearchLists(TwipsLayout& layout);
    void buildTabOrder();
    void buildMenus();
    void buildFileMenu();
    void buildEditMenu();
    void buildToolsMenu();
    void buildDialMenu();
    void buildWatchItem(QMenu* dialMenu);
    void buildHelpMenu();
    void connectControls();
    void restorePlacement();
    void centreOnScreen();

    // Browsing
    void nameSearchEdited();
    void nameSearchChosen();
    void numberSearchEdited();
    void numberSearchChosen();
    bool typeBoxKeyPress(QChar key);
    void numberChosen(int position);
    bool numberBoxKeyPress(QChar key);
    void addNumber();
    using RecordFinder = Result<std::optional<Record>> (BookIndex::*)(const PhoneBookFile&,
                                                                      const QString&);
    void loadRecord(const SimpleCombo* list, RecordFinder find);
    void emptyEditor();
    void showRecord(const Record& record);
    void clearChangedMarks();
    int chosenTypeCode();

    // Saving and deleting
    bool fieldKeyPress(int index, QChar key);
    void fieldEdited();
    std::optional<QString> refusalOf() const;
    Record recordOnScreen() const;
    bool writeRecord(const QString& book, const Record& record);
    void followBookChange(const Listing& removed, const Listing& added);
    bool removeRecordFromBook();
    bool readyToEnd();
    void phoneBookFallback();

    // Calls
    bool editorMayBeReplaced();
    bool openBook(const QString& book);
    void buildCallItems(QMenu* dialMenu);
    void callLogCommand();
    void redial();

    // Windows of the other subsystems
    void runDetection();
    struct DialledFrom
    {
        QString record;
        QString book;
    };
    void dialNumber(const QString& number, const std::optional<DialledFrom>& from);
    void runDialing(const std::optional<DialledFrom>& from);
    void phoneBookCommand(BookDialogMode mode);
    void showCreateDialog();
    void getBackupCommand();
    void advancedSearchCommand();
    void printCommand();
    void helpTopicsCommand();
    void latestVersionCommand();
    void mailGroupCommand();
    void aboutCommand();
    void closeAboutBox();

    SharedState& state_;
    // Where the records of the default phone book start: lookups read only the one wanted.
    BookIndex bookIndex_;

    QGroupBox* toolbarFrame_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QPushButton* deleteButton_ = nullptr;
    QPushButton* dialButton_ = nullptr;
    QPushButton* clearButton_ = nullptr;
    QPushButton* printButton_ = nullptr;
    QGroupBox* recordFrame_ = nullptr;
    QLabel* nameLabel_ = nullptr;
    QLabel* emailLabel_ = nullptr;
    QLabel* addressLabel_ = nullptr;
    QLabel* commentLabel_ = nullptr;
    QLabel* numbersLabel_ = nullptr;
    RecordFields fields_;
    QComboBox* numberType_ = nullptr;
    QComboBox* numbers_ = nullptr;
    QGroupBox* searchFrame_ = nullptr;
    QLabel* nameSearchLabel_ = nullptr;
    SimpleCombo* nameSearch_ = nullptr;
    QLabel* numberSearchLabel_ = nullptr;
    SimpleCombo* numberSearch_ = nullptr;
    TextBox* spareBox_ = nullptr;

    bool recordFromFile_ = false;
    bool recordChanged_ = false;
    int chosenNumberIndex_ = 0;
    // The name of the record last shown from the file, as read: while it stays unchanged the
    // record can be saved again even if its name would be refused when typed today.
    QString shownName_;
    bool ending_ = false;

    // The modeless windows and the About box live on after they were shown.
    QPointer<AdvancedSearchWindow> advancedWindow_;
    QPointer<PrintSelectionWindow> printWindow_;
    QPointer<AboutBox> aboutBox_;
    QPointer<CallLogWindow> callLogWindow_;
    CallWatch* callWatch_ = nullptr;
};

} // namespace vennor
