// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace vennor::app {

class InstanceServer;

// Numbers handed over by a second start are dialled by dial, the window brought to the front
// first.
void dialHandedOverNumbers(InstanceServer& server, QWidget& window,
                           std::function<void(const QString&)> dial);

} // namespace vennor::app
