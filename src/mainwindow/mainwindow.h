#pragma once

#include "platform/recordhost.h"
#include "storage/result.h"
#include "storage/sharedstate.h"

#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <array>
#include <optional>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace vennor {

class PhoneBookFile;
class SimpleCombo;
class TextArea;
class AboutBox;
class AdvancedSearchWindow;
class PrintSelectionWindow;
class TextBox;
struct Record;

// The four text boxes of the record: 0 name, 1 e-mail, 2 address (one line each), 3 comment.
struct TextBoxes
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
    void search() override;
    QString fieldText(int index) const override;
    QStringList numberEntries() const override;
    bool hasUnsavedChanges() const override;
    bool save() override;
    void refillLists() override;
    void focusNameBox() override;
    void focusNameSearch() override;

    // Commands of the menus and the toolbar.
    bool sav_Click();
    void clr_Click();
    void del_Click();
    void deleteNumber();
    void dial_Click();
    void manualDial();
    void detectModem();
    // Asks to save a changed record, then ends the program; false when the user asked to save
    // and the save failed, so the window stays open with the record.
    bool extprogram();
    bool isEnded() const { return ending_; }

    void loadlists();
    void clearrec();
    void searchnum();

    bool isLoaded() const { return loaded_ == 1; }

signals:
    // extprogram ended the program: every window is to close and the process to exit.
    void programEnded();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Layout and menus
    void buildControls(QWidget* client);
    void buildToolbar(QWidget* client);
    void buildRecordFields(QWidget* client);
    void buildSearchLists(QWidget* client);
    void buildTabOrder();
    void buildMenus();
    void buildFileMenu();
    void buildEditMenu();
    void buildToolsMenu();
    void buildDialMenu();
    void buildHelpMenu();
    void connectControls();
    void centreOnScreen();

    // Browsing
    void Combo1_Change();
    void Combo1_Click();
    void Combo2_Change();
    void Combo2_Click();
    void Combo3_KeyPress(int& keyAscii);
    void phones_Click(int position);
    void phones_KeyPress(int& keyAscii);
    void addNumber();
    using RecordFinder = Result<std::optional<Record>> (PhoneBookFile::*)(const QString&) const;
    void loadRecord(const SimpleCombo* list, RecordFinder find);
    void emptyEditor();
    void showRecord(const Record& record);
    void clearChangedMarks();
    int chosenTypeCode();

    // Saving and deleting
    void Text_KeyPress(int index, int& keyAscii);
    std::optional<QString> refusalOf() const;
    Record recordOnScreen() const;
    bool writeRecord(const QString& book, const Record& record);
    Result<std::optional<QStringList>> storedNumbersOf(const QString& book, const QString& name);
    void takeOutOfLists(const QString& name, const QStringList& numbers);
    void putIntoLists(const QString& name, const QStringList& numbers);
    void removeTrailingEmpties(SimpleCombo* list);
    void appendTrailingEmpties();
    bool removerec();
    bool readyToEnd();
    void phoneBookFallback();

    // Windows of the other subsystems
    void runDetection();
    void runDialing();
    void phoneBookCommand(int mode);
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

    QGroupBox* Frame3 = nullptr;
    QPushButton* sav = nullptr;
    QPushButton* del = nullptr;
    QPushButton* dial = nullptr;
    QPushButton* clr = nullptr;
    QPushButton* Command2 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label3 = nullptr;
    TextBoxes Text;
    QComboBox* Combo3 = nullptr;
    QComboBox* phones = nullptr;
    QGroupBox* Frame2 = nullptr;
    QLabel* Label4 = nullptr;
    SimpleCombo* Combo1 = nullptr;
    QLabel* Label2 = nullptr;
    SimpleCombo* Combo2 = nullptr;
    TextBox* Text1 = nullptr;

    int loaded_ = 0;
    int recchanged_ = 0;
    int numindex_ = 0;
    // Numbers Delete number took out of the number list since the record was shown: the save
    // must not take them out a second time.
    QStringList numbersTakenOut_;
    // The record last shown from the file, as stored: saving it again needs no search.
    QString shownName_;
    QStringList shownNumbers_;
    bool ending_ = false;

    // The modeless windows and the About box live on after they were shown.
    QPointer<AdvancedSearchWindow> advancedWindow_;
    QPointer<PrintSelectionWindow> printWindow_;
    QPointer<AboutBox> aboutBox_;
};

} // namespace vennor
