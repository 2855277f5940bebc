// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/calllog/calllogwindow.h"

#include "gui/calllog/calllistmodel.h"
#include "widgets/accessiblename.h"
#include "widgets/messagebox.h"
#include "widgets/singlewindow.h"

#include <QButtonGroup>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace vennor {
namespace {

QPushButton* button(QWidget* parent, const char* name, const QString& caption)
{
    auto* made = new QPushButton(caption, parent);
    made->setObjectName(QLatin1String(name));
    made->setAutoDefault(false); // Enter in the list calls back; it presses no button
    return made;
}

bool dialable(const CallEntry& call)
{
    return call.hidden == CallEntry::Hidden::No && !call.number.isEmpty();
}

} // namespace

CallLogWindow::CallLogWindow(CallLogActions actions, QWidget* parent)
    : QDialog(parent), actions_(std::move(actions)), log_(CallLog::inPhoneBookFolder()),
      model_(new CallListModel(this)), filters_(new QButtonGroup(this)),
      calls_(new QTableView(this)), statusLabel_(new QLabel(this)),
      callBackButton_(button(this, "callBack", tr("&Call back"))),
      showRecordButton_(button(this, "showRecord", tr("&Show record"))),
      addRecordButton_(button(this, "addRecord", tr("Add to &phone book"))),
      deleteButton_(button(this, "deleteCalls", tr("&Delete"))),
      clearButton_(button(this, "clearLog", tr("Clea&r log"))),
      closeButton_(button(this, "closeLog", tr("Close"))), watcher_(new QFileSystemWatcher(this)),
      rereadTimer_(new QTimer(this))
{
    setObjectName(QStringLiteral("calllogWindow"));
    setWindowTitle(tr("Call log"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    buildControls();
    const QFontMetrics metrics = fontMetrics();
    resize(metrics.averageCharWidth() * 90, metrics.height() * 26);
    reload();
    watchLog();
}

CallLogWindow::~CallLogWindow() = default;

CallLogWindow* CallLogWindow::showFor(QPointer<CallLogWindow>& slot, const CallLogActions& actions,
                                      QWidget* parent)
{
    return showSingleWindow(slot, parent,
                            [&actions, parent] { return new CallLogWindow(actions, parent); });
}

void CallLogWindow::buildControls()
{
    auto* filterRow = new QHBoxLayout;
    struct Kind
    {
        CallListModel::Filter filter;
        const char* name;
        QString caption;
    };
    const Kind kinds[] = {{CallListModel::Filter::All, "showAll", tr("&All")},
                          {CallListModel::Filter::In, "showIn", tr("&In")},
                          {CallListModel::Filter::Out, "showOut", tr("&Out")},
                          {CallListModel::Filter::Missed, "showMissed", tr("&Missed")}};
    for (const Kind& kind : kinds) {
        auto* choice = new QRadioButton(kind.caption, this);
        choice->setObjectName(QLatin1String(kind.name));
        filters_->addButton(choice, int(kind.filter));
        filterRow->addWidget(choice);
    }
    filters_->button(int(CallListModel::Filter::All))->setChecked(true);
    filterRow->addStretch();
    connect(filters_, &QButtonGroup::idClicked, this, [this](int id) {
        model_->setFilter(CallListModel::Filter(id));
        updateButtons();
    });

    calls_->setObjectName(QStringLiteral("calls"));
    calls_->setModel(model_);
    calls_->setSelectionBehavior(QAbstractItemView::SelectRows);
    calls_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    calls_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    calls_->setTabKeyNavigation(false);
    calls_->setWordWrap(false);
    calls_->verticalHeader()->hide();
    calls_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    calls_->horizontalHeader()->setSectionResizeMode(CallListModel::WhoColumn,
                                                     QHeaderView::Stretch);
    // Sizing each row to its text would read all 10,000 rows on every change.
    calls_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    calls_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() * 3 / 2);
    calls_->horizontalHeader()->setResizeContentsPrecision(200);
    setAccessibleNameOf(calls_, tr("Calls"));
    connect(calls_, &QAbstractItemView::activated, this, &CallLogWindow::callBack);
    connect(calls_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CallLogWindow::updateButtons);
    connect(calls_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &CallLogWindow::updateButtons);

    statusLabel_->setObjectName(QStringLiteral("callLogStatus"));
    statusLabel_->setWordWrap(true);
    statusLabel_->setTextFormat(Qt::PlainText);
    statusLabel_->hide();

    auto* buttonRow = new QHBoxLayout;
    for (QPushButton* each :
         {callBackButton_, showRecordButton_, addRecordButton_, deleteButton_, clearButton_}) {
        buttonRow->addWidget(each);
    }
    buttonRow->addStretch();
    buttonRow->addWidget(closeButton_);
    connect(callBackButton_, &QPushButton::clicked, this, &CallLogWindow::callBack);
    connect(showRecordButton_, &QPushButton::clicked, this, &CallLogWindow::showRecord);
    connect(addRecordButton_, &QPushButton::clicked, this, &CallLogWindow::addRecord);
    connect(deleteButton_, &QPushButton::clicked, this, &CallLogWindow::deleteSelected);
    connect(clearButton_, &QPushButton::clicked, this, &CallLogWindow::clearLog);
    connect(closeButton_, &QPushButton::clicked, this, &CallLogWindow::close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filterRow);
    layout->addWidget(calls_, 1);
    layout->addWidget(statusLabel_);
    layout->addLayout(buttonRow);
    calls_->setFocus();
}

// The program's own appends and another program's alike: the file is watched, and its
// folder too, since a safe rewrite replaces the file the watcher held.
void CallLogWindow::watchLog()
{
    rereadTimer_->setSingleShot(true);
    rereadTimer_->setInterval(50);
    connect(rereadTimer_, &QTimer::timeout, this, &CallLogWindow::reload);
    const QString folder = QFileInfo(log_.path()).absolutePath();
    watcher_->addPath(folder);
    connect(watcher_, &QFileSystemWatcher::fileChanged, this, &CallLogWindow::logChanged);
    connect(watcher_, &QFileSystemWatcher::directoryChanged, this, &CallLogWindow::logChanged);
    logChanged();
}

void CallLogWindow::logChanged()
{
    if (!watcher_->files().contains(log_.path()) && QFileInfo::exists(log_.path())) {
        watcher_->addPath(log_.path());
    }
    rereadTimer_->start();
}

void CallLogWindow::reload()
{
    const std::optional<CallEntry> current = currentCall();
    const Result<CallLog::Contents> contents = log_.read();
    model_->setCalls(contents ? contents->calls : std::vector<CallEntry>());
    if (!contents) {
        statusLabel_->setText(tr("The call log could not be read: %1").arg(contents.error()));
    } else if (contents->damaged > 0) {
        statusLabel_->setText(
            tr("%n line(s) of the call log could not be read; they are kept as they are.", "",
               int(contents->damaged)));
    }
    statusLabel_->setVisible(!contents || contents->damaged > 0);
    int row = 0;
    for (int i = 0; current && i < model_->rowCount(); ++i) {
        if (model_->call(i) == *current) {
            row = i;
            break;
        }
    }
    if (model_->rowCount() > 0) {
        calls_->setCurrentIndex(model_->index(row, 0));
    }
    updateButtons();
}

std::optional<CallEntry> CallLogWindow::currentCall() const
{
    const QModelIndex current = calls_->currentIndex();
    if (!current.isValid() || !calls_->selectionModel()->isRowSelected(current.row())) {
        return std::nullopt;
    }
    return model_->call(current.row());
}

std::vector<CallEntry> CallLogWindow::selectedCalls() const
{
    std::vector<CallEntry> chosen;
    for (const QModelIndex& row : calls_->selectionModel()->selectedRows()) {
        chosen.push_back(model_->call(row.row()));
    }
    return chosen;
}

void CallLogWindow::updateButtons()
{
    const std::optional<CallEntry> current = currentCall();
    callBackButton_->setEnabled(current && dialable(*current));
    showRecordButton_->setEnabled(current && !current->record.isEmpty());
    addRecordButton_->setEnabled(current && dialable(*current) && current->record.isEmpty());
    deleteButton_->setEnabled(calls_->selectionModel()->hasSelection());
    clearButton_->setEnabled(model_->totalCount() > 0);
}

void CallLogWindow::callBack()
{
    if (const std::optional<CallEntry> current = currentCall(); current && dialable(*current)) {
        actions_.callBack(*current);
    }
}

void CallLogWindow::showRecord()
{
    if (const std::optional<CallEntry> current = currentCall(); current) {
        actions_.showRecord(current->book, current->record);
    }
}

void CallLogWindow::addRecord()
{
    if (const std::optional<CallEntry> current = currentCall(); current) {
        actions_.addRecord(current->number);
    }
}

void CallLogWindow::deleteSelected()
{
    const Status removed = log_.remove(selectedCalls());
    reportFailure(tr("The calls could not be deleted from the call log."), removed);
    reload();
}

void CallLogWindow::clearLog()
{
    if (MessageBox::okCancel(this, tr("Delete every call from the call log?"), tr("Clear log")) !=
        MessageBox::Answer::Ok) {
        return;
    }
    reportFailure(tr("The call log could not be cleared."), log_.clear());
    reload();
}

void CallLogWindow::reportFailure(const QString& what, const Status& status)
{
    if (!status) {
        MessageBox::show(this, {what, tr("Warning"), MessageBox::Buttons::Ok, status.error()});
    }
}

} // namespace vennor
