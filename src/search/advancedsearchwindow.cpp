#include "search/advancedsearchwindow.h"

#include "platform/recordhost.h"
#include "platform/twips.h"
#include "search/pattern.h"
#include "storage/sharedstate.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace vennor {

AdvancedSearchWindow::AdvancedSearchWindow(SharedState& state, RecordHost& host, QWidget* parent)
    : QDialog(parent), state_(state), host_(host)
{
    setObjectName(QStringLiteral("advanced"));
    setWindowTitle(QStringLiteral("Advanced search"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    twips::setClientSize(this, 2865, 2295);

    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    twips::place(Text1, 120, 120, 1455, 285);

    Command1 = new QPushButton(QStringLiteral("Search"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    twips::place(Command1, 1920, 120, 735, 340);
    // Enter in the text box searches, as the button does.
    Command1->setDefault(true);

    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    twips::place(List1, 120, 720, 2535, 1425);

    connect(Command1, &QPushButton::clicked, this, &AdvancedSearchWindow::Command1_Click);
    connect(List1, &QListWidget::itemClicked, this, &AdvancedSearchWindow::List1_Click);
    Text1->setFocus();
}

AdvancedSearchWindow* AdvancedSearchWindow::showFor(QPointer<AdvancedSearchWindow>& slot,
                                                    SharedState& state, RecordHost& host,
                                                    QWidget* parent)
{
    if (slot.isNull()) {
        slot = new AdvancedSearchWindow(state, host, parent);
        if (parent != nullptr) {
            slot->move(parent->frameGeometry().center() - slot->rect().center());
        }
    }
    slot->show();
    slot->raise();
    slot->activateWindow();
    return slot;
}

void AdvancedSearchWindow::Command1_Click()
{
    List1->clear();
    List1->addItems(findNames(host_.nameEntries(), Text1->text()));
}

void AdvancedSearchWindow::List1_Click(QListWidgetItem* item)
{
    if (item == nullptr) {
        return;
    }
    state_.selectedName = item->text();
    host_.loadRecordByName();
}

} // namespace vennor
