#include "mainwindow/mainwindow.h"

#include "modem/modemdetectiondialog.h"
#include "modem/dialingwindow.h"
#include "modem/manualdialdialog.h"
#include "platform/messagebox.h"
#include "platform/simplecombo.h"
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

void form1::manualDial()
{
    runManualDial(state_, Combo1, this);
}

void form1::runDetection()
{
    config detection(state_, this);
    detection.exec();
}

void form1::runDialing()
{
    dialing call(state_, Combo1, this);
    call.exec();
}

} // namespace vennor
