#include "modem/manualdialdialog.h"

#include "modem/dialingwindow.h"
#include "platform/messagebox.h"
#include "platform/twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vennor {

ManualDialDialog::ManualDialDialog(SharedState& state, QWidget* focusOnCancel, QWidget* parent)
    : QDialog(parent), state_(state), focusOnCancel_(focusOnCancel), Label1(new QLabel(this)),
      Text1(new QLineEdit(this)), Command1(new QPushButton(this)), Command2(new QPushButton(this))
{
    setWindowTitle(QStringLiteral("Manual dial"));
    twips::setClientSize(this, 3930, 1320);

    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setText(QStringLiteral("Number to dial"));
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    twips::place(Label1, 240, 240, 1095, 255);

    Text1->setObjectName(QStringLiteral("Text1"));
    twips::place(Text1, 240, 480, 2295, 285);
    Text1->setFocus();

    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setText(QStringLiteral("Dial"));
    Command1->setDefault(true);
    twips::place(Command1, 2760, 240, 975, 375);
    connect(Command1, &QPushButton::clicked, this, &ManualDialDialog::Command1_Click);

    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setText(QStringLiteral("Cancel"));
    Command2->setAutoDefault(false);
    twips::place(Command2, 2760, 720, 975, 375);
    connect(Command2, &QPushButton::clicked, this, &ManualDialDialog::reject);
}

// This window is closed first, so the dialing window or the message stands alone.
void ManualDialDialog::Command1_Click()
{
    state_.numberToDial = Text1->text();
    accept();
    if (state_.numberToDial.isEmpty()) {
        MessageBox::ok(parentWidget(), QStringLiteral("A telephone number is required"),
                       QStringLiteral("Warning"));
        return;
    }
    DialingWindow call(state_, focusOnCancel_, parentWidget());
    call.exec();
}

void runManualDial(SharedState& state, QWidget* focusOnCancel, QWidget* parent)
{
    ManualDialDialog window(state, focusOnCancel, parent);
    window.exec();
}

} // namespace vennor
