// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/programstart.h"

#include "gui/instancechannel.h"

#include <QWidget>

namespace vennor::app {

void dialHandedOverNumbers(InstanceServer& server, QWidget& window,
                           std::function<void(const QString&)> dial)
{
    QObject::connect(&server, &InstanceServer::numberReceived, &window,
                     [&window, dial = std::move(dial)](const QString& number) {
                         window.raise();
                         window.activateWindow();
                         dial(number);
                     });
}

} // namespace vennor::app
