#pragma once

#include <QDialog>
#include <QPointer>
#include <functional>
#include <memory>

class QFrame;
class QLabel;
class QListWidget;
class QPushButton;

namespace vennor {

class Printer;
class RecordHost;
struct PrintedRecord;
struct SharedState;

// "Print Phone Book": the names of the phone book, each with a mark; the marked ones are
// loaded one by one into the main window and printed two columns to an A4 page.
// Modeless; closing it discards it.
class PrintSelectionWindow : public QDialog
{
    Q_OBJECT

public:
    using PrinterFactory = std::function<std::unique_ptr<Printer>()>;

    PrintSelectionWindow(SharedState& state, RecordHost& host, QWidget* parent);
    ~PrintSelectionWindow() override;

    // Brings back the window kept in slot, or opens a new one there.
    static PrintSelectionWindow* showFor(QPointer<PrintSelectionWindow>& slot, SharedState& state,
                                         RecordHost& host, QWidget* parent);

    // Where each job goes; the system's default printer unless replaced.
    void setPrinterFactory(PrinterFactory factory) { printerFactory_ = std::move(factory); }

    QLabel* Label3 = nullptr;
    QListWidget* List = nullptr;
    QFrame* Picture1 = nullptr;
    QFrame* Shape2 = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* printbutt = nullptr;
    QPushButton* Selectall = nullptr;
    QPushButton* deselect = nullptr;
    QPushButton* Command1 = nullptr;

private:
    void buildControls();
    void Form_Load();
    void printbutt_Click();
    void Selectall_Click();
    void deselect_Click();

    void printnames(Printer& printer);
    PrintedRecord recordOnScreen() const;
    int markedCount() const;
    void setBarWidth(float width);
    void showProgress();

    SharedState& state_;
    RecordHost& host_;
    PrinterFactory printerFactory_;
    float barWidth_ = 15; // twips; the designed width until the first job resets it
};

} // namespace vennor
