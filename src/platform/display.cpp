// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/display.h"

#include <QtGlobal>

namespace vennor {

std::optional<QString> missingDisplayReason([[maybe_unused]] const QString& command)
{
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        return QStringLiteral("vennor: no display to show its window on (DISPLAY is not set); "
                              "run it in a desktop session, or under a virtual one: "
                              "xvfb-run -a ") +
               command;
    }
#endif
    return std::nullopt;
}

} // namespace vennor
