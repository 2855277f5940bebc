// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/programinfo.h"

namespace vennor::app {

QString versionText()
{
    return QStringLiteral("vennor " VENNOR_VERSION "\n"
                          "Copyright (C) 2026 The Vennor developers\n"
                          "License GPL-3.0-or-later: GNU GPL version 3 or later "
                          "<https://gnu.org/licenses/gpl.html>.\n"
                          "This is free software: you are free to change and redistribute it.\n"
                          "There is NO WARRANTY, to the extent permitted by law.");
}

QString bugReportText()
{
    return QStringLiteral("Report bugs to <%1>.").arg(QLatin1String(kBugReportUrl));
}

} // namespace vennor::app
