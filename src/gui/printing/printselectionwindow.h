// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

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

    QLabel* promptLabel_ = nullptr;
    QListWidget* nameList_ = nullptr;
    QFrame* progressFrame_ = nullptr;
    QFrame* progressBar_ = nullptr;
    QLabel* progressLabel_ = nullptr;
    QPushButton* printButton_ = nullptr;
    QPushButton* selectAllButton_ = nullptr;
    QPushButton* deselectAllButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;

private:
    void buildControls();
    void fillNameList();
    void printMarked();
    void selectAll();
    void deselectAll();

    // True when the job went to the printer.
    bool printMarkedRecords(Printer& printer);
    PrintedRecord recordOnScreen(const QStringList& types) const;
    int markedCount() const;
    void setBarWidth(float width);
    void showProgress();

    SharedState& state_;
    RecordHost& host_;
    PrinterFactory printerFactory_;
    float barWidth_ = 15; // twips; the designed width until the first job resets it
};

} // namespace vennor
