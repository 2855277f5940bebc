#include "app/programstart.h"

#include "app/instancechannel.h"
#include "mainwindow/mainwindow.h"

namespace vennor::app {

void dialHandedOverNumbers(InstanceServer& server, MainWindow& window)
{
    QObject::connect(&server, &InstanceServer::numberReceived, &window,
                     [&window](const QString& number) {
                         window.raise();
                         window.activateWindow();
                         window.dialNumber(number);
                     });
}

} // namespace vennor::app
