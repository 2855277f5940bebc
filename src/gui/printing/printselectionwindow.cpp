// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/printing/printselectionwindow.h"

#include "core/record.h"
#include "core/settingsfile.h"
#include "gui/printing/pagelayout.h"
#include "gui/recordhost.h"
#include "gui/sharedstate.h"
#include "platform/printer.h"
#include "widgets/accessiblename.h"
#include "widgets/messagebox.h"
#include "widgets/twips.h"
#include "widgets/twipslayout.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace vennor {

namespace {

constexpr int kPictureWidth = 3735;

QPushButton* makeButton(const QString& caption, const char* name, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    // Enter must never start a print by surprise.
    button->setAutoDefault(false);
    return button;
}

} // namespace

PrintSelectionWindow::PrintSelectionWindow(SharedState& state, RecordHost& host, QWidget* parent)
    : QDialog(parent), state_(state), host_(host),
      printerFactory_([] { return std::make_unique<SystemPrinter>(); })
{
    setObjectName(QStringLiteral("printpb"));
    setWindowTitle(tr("Print Phone Book"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    buildControls();
    adjustSize();
    fillNameList();
}

PrintSelectionWindow::~PrintSelectionWindow() = default;

// Enlarged, the list takes the room; the progress box and the buttons keep to the bottom.
void PrintSelectionWindow::buildControls()
{
    auto* layout = new TwipsLayout(this, {4230, 4440});
    constexpr Anchors kBottom{0, 0, 1, 1};
    promptLabel_ = new QLabel(tr("Select names you will print its information :"), this);
    promptLabel_->setObjectName(QStringLiteral("Label3"));
    // As wide as the list below it: at 3135 twips the text fills its box to the last pixel, and
    // at larger fonts, whose letters do not grow quite in step, it was cut.
    layout->place(promptLabel_, {240, 120, 3735, 255}, {0, 1, 0, 0});

    nameList_ = new QListWidget(this);
    nameList_->setObjectName(QStringLiteral("List"));
    setAccessibleNameOf(nameList_, tr("Names to print"));
    layout->place(nameList_, {240, 480, 3735, 2310}, {0, 1, 0, 1});

    progressFrame_ = new QFrame(this);
    progressFrame_->setObjectName(QStringLiteral("Picture1"));
    progressFrame_->setFrameShape(QFrame::Box);
    layout->place(progressFrame_, {240, 3120, kPictureWidth, 375}, kBottom);

    progressBar_ = new QFrame(progressFrame_);
    progressBar_->setObjectName(QStringLiteral("Shape2"));
    progressBar_->setAutoFillBackground(true);
    progressBar_->setBackgroundRole(QPalette::Highlight);
    setBarWidth(barWidth_);

    progressLabel_ = new QLabel(QStringLiteral("0%"), progressFrame_);
    progressLabel_->setObjectName(QStringLiteral("Label1"));
    progressLabel_->setAlignment(Qt::AlignCenter);
    twips::place(progressLabel_, 1680, 30, 495, 255);

    printButton_ = makeButton(tr("Print "), "printbutt", this);
    layout->place(printButton_, {240, 3840, 855, 375}, kBottom);
    selectAllButton_ = makeButton(tr("Select all"), "Selectall", this);
    layout->place(selectAllButton_, {1200, 3840, 855, 375}, kBottom);
    deselectAllButton_ = makeButton(tr("None"), "deselect", this);
    layout->place(deselectAllButton_, {2160, 3840, 855, 375}, kBottom);
    cancelButton_ = makeButton(tr("Cancel"), "Command1", this);
    layout->place(cancelButton_, {3120, 3840, 855, 375}, kBottom);

    setTabOrder(nameList_, printButton_);
    setTabOrder(printButton_, selectAllButton_);
    setTabOrder(selectAllButton_, deselectAllButton_);
    setTabOrder(deselectAllButton_, cancelButton_);
    nameList_->setFocus();

    connect(printButton_, &QPushButton::clicked, this, &PrintSelectionWindow::printMarked);
    connect(selectAllButton_, &QPushButton::clicked, this, &PrintSelectionWindow::selectAll);
    connect(deselectAllButton_, &QPushButton::clicked, this, &PrintSelectionWindow::deselectAll);
    connect(cancelButton_, &QPushButton::clicked, this, &QWidget::close);
}

// Every name of the main window's list, marked; the empty entries that end it are not names.
void PrintSelectionWindow::fillNameList()
{
    if (QWidget* main = host_.window(); main != nullptr) {
        move(main->pos());
    }
    QStringList names = host_.nameEntries();
    while (!names.isEmpty() && names.last().isEmpty()) {
        names.removeLast();
    }
    for (const QString& name : std::as_const(names)) {
        if (name.isEmpty()) {
            continue;
        }
        auto* item = new QListWidgetItem(name, nameList_);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }
}

PrintSelectionWindow* PrintSelectionWindow::showFor(QPointer<PrintSelectionWindow>& slot,
                                                    SharedState& state, RecordHost& host,
                                                    QWidget* parent)
{
    if (slot.isNull()) {
        slot = new PrintSelectionWindow(state, host, parent);
    }
    slot->show();
    slot->raise();
    slot->activateWindow();
    return slot;
}

void PrintSelectionWindow::selectAll()
{
    for (int i = 0; i < nameList_->count(); ++i) {
        nameList_->item(i)->setCheckState(Qt::Checked);
    }
    nameList_->viewport()->update();
}

void PrintSelectionWindow::deselectAll()
{
    for (int i = 0; i < nameList_->count(); ++i) {
        nameList_->item(i)->setCheckState(Qt::Unchecked);
    }
}

int PrintSelectionWindow::markedCount() const
{
    int marked = 0;
    for (int i = 0; i < nameList_->count(); ++i) {
        marked += nameList_->item(i)->checkState() == Qt::Checked ? 1 : 0;
    }
    return marked;
}

// Printing loads every marked record into the main window, so a record being edited there
// is offered for saving first, and a job that could never print is refused before that. A
// record the user did not save, or a job the user cancelled, leaves the editor as it was.
void PrintSelectionWindow::printMarked()
{
    const std::unique_ptr<Printer> printer = printerFactory_();
    if (markedCount() == 0) {
        printMarkedRecords(*printer);
        return;
    }
    if (const Status ready = printer->ready(); !ready) {
        MessageBox::ok(this, ready.error(), tr("Warning"));
        return;
    }
    bool unsaved = false;
    if (host_.hasUnsavedChanges()) {
        unsaved = MessageBox::okCancel(this, tr("save the record before printing"),
                                       tr("Warning")) != MessageBox::Answer::Ok;
        if (!unsaved && !host_.save()) {
            return;
        }
    }
    const std::function<void()> putBack = host_.keepEditor();
    if (!printMarkedRecords(*printer) || unsaved) {
        putBack();
    }
}

bool PrintSelectionWindow::printMarkedRecords(Printer& printer)
{
    PageLayout layout(printer);
    layout.setup();
    // No input is handled while the layout runs, so the marks cannot change under it.
    const int marked = markedCount();
    const QStringList types = shownNumberTypes(); // translated once, not once a record
    for (int i = 0; i < nameList_->count(); ++i) {
        if (nameList_->item(i)->checkState() != Qt::Checked) {
            continue;
        }
        state_.selectedName = nameList_->item(i)->text();
        host_.loadRecordByName();
        layout.printRecord(recordOnScreen(types));
        setBarWidth(barWidth_ + float(kPictureWidth) / float(marked));
        showProgress();
    }
    if (marked == 0) {
        MessageBox::ok(this, tr("Select names to print its information"), QStringLiteral("Vennor"));
        progressLabel_->setText(QStringLiteral("0%"));
        return false;
    }
    progressLabel_->setText(QStringLiteral("100%"));
    state_.selectedName.clear();
    const int pages = printer.page();
    const MessageBox::Answer answer =
        MessageBox::okCancel(this, tr("%1 pages will be printed").arg(pages), tr("Confirming"));
    setBarWidth(0);
    progressLabel_->setText(QStringLiteral("0%"));
    if (answer == MessageBox::Answer::Cancel) {
        printer.killDoc();
        return false;
    }
    const Result<QString> book = SettingsFile().readDefaultBook();
    printer.setTitle(book ? tr("Vennor – %1").arg(*book) : QStringLiteral("Vennor"));
    if (const Status sent = printer.endDoc(); !sent) {
        MessageBox::ok(this, sent.error(), tr("Warning"));
        return false;
    }
    return true;
}

PrintedRecord PrintSelectionWindow::recordOnScreen(const QStringList& types) const
{
    PrintedRecord record{host_.fieldText(0), host_.fieldText(1), host_.fieldText(2), {}};
    const QStringList numbers = host_.numberEntries();
    for (qsizetype k = 0; k < numbers.size(); ++k) {
        const int code = k < state_.typeCodes.size() ? state_.typeCodes.at(k) : -1;
        record.numberLines.append(types.value(code) + QStringLiteral(": ") + numbers.at(k));
    }
    return record;
}

void PrintSelectionWindow::setBarWidth(float width)
{
    barWidth_ = width;
    progressBar_->setGeometry(twips::rect(0, 10, int(std::min(width, float(kPictureWidth))), 280));
}

// The layout keeps the event loop waiting, so the bar and the figure are painted at once,
// and only when the figure changes.
void PrintSelectionWindow::showProgress()
{
    const QString percent =
        QString::number(int(barWidth_ / float(kPictureWidth) * 100.0F)) + QStringLiteral("%");
    if (percent == progressLabel_->text()) {
        return;
    }
    progressLabel_->setText(percent);
    progressFrame_->repaint();
}

} // namespace vennor
