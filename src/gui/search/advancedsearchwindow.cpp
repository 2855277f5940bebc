// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/search/advancedsearchwindow.h"

#include "gui/recordhost.h"
#include "gui/search/pattern.h"
#include "gui/sharedstate.h"
#include "widgets/accessiblename.h"
#include "widgets/keyfilter.h"
#include "widgets/singlewindow.h"
#include "widgets/twipslayout.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace vennor {

AdvancedSearchWindow::AdvancedSearchWindow(SharedState& state, RecordHost& host, QWidget* parent)
    : QDialog(parent), state_(state), host_(host)
{
    setObjectName(QStringLiteral("advanced"));
    setWindowTitle(tr("Advanced search"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    // Enlarged, the text box widens, the button keeps to the right and the list takes the rest.
    auto* layout = new TwipsLayout(this, {2865, 2295});

    patternBox_ = new QLineEdit(this);
    patternBox_->setObjectName(QStringLiteral("Text1"));
    setAccessibleNameOf(patternBox_, tr("Name pattern"));
    layout->place(patternBox_, {120, 120, 1455, 285}, {0, 1, 0, 0});

    findButton_ = new QPushButton(tr("Search"), this);
    findButton_->setObjectName(QStringLiteral("Command1"));
    layout->place(findButton_, {1920, 120, 735, 340}, {1, 1, 0, 0});
    // Enter in the text box searches, as the button does.
    findButton_->setDefault(true);

    matchList_ = new QListWidget(this);
    matchList_->setObjectName(QStringLiteral("List1"));
    setAccessibleNameOf(matchList_, tr("Matching names"));
    layout->place(matchList_, {120, 720, 2535, 1425}, {0, 1, 0, 1});

    adjustSize();
    connect(findButton_, &QPushButton::clicked, this, &AdvancedSearchWindow::findMatches);
    connect(matchList_, &QListWidget::itemClicked, this, &AdvancedSearchWindow::loadChosenName);
    // The keyboard opens a record as a click does: moving to it, or Enter, which the window
    // would otherwise take for a new search.
    connect(matchList_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (matchList_->hasFocus()) {
            loadChosenName(item);
        }
    });
    KeyPressFilter::install(matchList_, [this](QChar key) {
        if (key != u'\r') {
            return false;
        }
        loadChosenName(matchList_->currentItem());
        return true;
    });
    patternBox_->setFocus();
}

AdvancedSearchWindow* AdvancedSearchWindow::showFor(QPointer<AdvancedSearchWindow>& slot,
                                                    SharedState& state, RecordHost& host,
                                                    QWidget* parent)
{
    return showSingleWindow(slot, parent, [&state, &host, parent] {
        return new AdvancedSearchWindow(state, host, parent);
    });
}

void AdvancedSearchWindow::findMatches()
{
    matchList_->clear();
    matchList_->addItems(findNames(host_.nameEntries(), patternBox_->text()));
}

void AdvancedSearchWindow::loadChosenName(QListWidgetItem* item)
{
    if (item == nullptr) {
        return;
    }
    state_.selectedName = item->text();
    host_.loadRecordByName();
}

} // namespace vennor
