#include "mainwindow/form1.h"

#include "platform/messagebox.h"
#include "storage/settingsfile.h"

#include <QComboBox>

namespace vennor {

void form1::dial_Click()
{
    const bool settingsMissing = !SettingsFile().canOpen();
    state_.dialnumber = phones->currentText();
    if (state_.dialnumber.isEmpty()) {
        MessageBox::ok(this, QStringLiteral("A telephone number is required"),
                       QStringLiteral("Warning"));
        return;
    }
    if (settingsMissing) {
        runDetection();
    }
    runDialing();
}

void form1::detectModem()
{
    runDetection();
}

// The modem windows are opened from here only.
void form1::runDetection() {}

void form1::runDialing() {}

void form1::manualDial() {}

} // namespace vennor
