// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/modem/manualdialdialog.h"

#include "gui/modem/dialingwindow.h"
#include "widgets/accessiblename.h"
#include "widgets/messagebox.h"
#include "widgets/twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vennor {

ManualDialDialog::ManualDialDialog(SharedState& state, QWidget* focusOnCancel, QWidget* parent)
    : QDialog(parent), state_(state), focusOnCancel_(focusOnCancel), promptLabel_(new QLabel(this)),
      numberBox_(new QLineEdit(this)), dialButton_(new QPushButton(this)),
      cancelButton_(new QPushButton(this))
{
    setWindowTitle(tr("Manual dial"));
    twips::setClientSize(this, 3930, 1320);

    promptLabel_->setObjectName(QStringLiteral("Label1"));
    promptLabel_->setText(tr("Number to dial"));
    promptLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    twips::place(promptLabel_, 240, 240, 1095, 255);

    numberBox_->setObjectName(QStringLiteral("Text1"));
    setAccessibleNameOf(numberBox_, promptLabel_->text());
    twips::place(numberBox_, 240, 480, 2295, 285);
    numberBox_->setFocus();

    dialButton_->setObjectName(QStringLiteral("Command1"));
    dialButton_->setText(tr("Dial"));
    dialButton_->setDefault(true);
    twips::place(dialButton_, 2760, 240, 975, 375);
    connect(dialButton_, &QPushButton::clicked, this, &ManualDialDialog::dialTypedNumber);

    cancelButton_->setObjectName(QStringLiteral("Command2"));
    cancelButton_->setText(tr("Cancel"));
    cancelButton_->setAutoDefault(false);
    twips::place(cancelButton_, 2760, 720, 975, 375);
    connect(cancelButton_, &QPushButton::clicked, this, &ManualDialDialog::reject);
}

// This window is closed first, so the dialing window or the message stands alone.
void ManualDialDialog::dialTypedNumber()
{
    state_.numberToDial = numberBox_->text();
    accept();
    if (state_.numberToDial.isEmpty()) {
        MessageBox::ok(parentWidget(), tr("A telephone number is required"), tr("Warning"));
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
