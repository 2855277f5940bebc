// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QGuiApplication;

namespace vennor {

class MainWindow;

namespace app {

// The desktop session saves what the window shows (the phone book and the record on screen)
// under the session's key; a start that restores the session shows that record again.
void keepForSession(const MainWindow& window, const QString& sessionKey);
void restoreSession(MainWindow& window, const QString& sessionKey);

// Answers the session manager's requests to save, and restores when this start restores a
// session ("-session").
void followDesktopSession(QGuiApplication& application, MainWindow& window);

} // namespace app
} // namespace vennor
