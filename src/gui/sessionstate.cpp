// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/sessionstate.h"

#include "core/folders.h"
#include "core/settingsfile.h"
#include "gui/mainwindow/mainwindow.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QSettings>

namespace vennor::app {
namespace {

QSettings sessionSettings()
{
    return QSettings(folders::settingsFolder() + QStringLiteral("vennor.ini"),
                     QSettings::IniFormat);
}

QString keyOf(const QString& sessionKey, const char* name)
{
    return QStringLiteral("session-%1/%2").arg(sessionKey, QLatin1String(name));
}

QString defaultBook()
{
    const Result<QString> book = SettingsFile().readDefaultBook();
    return book ? *book : QString();
}

} // namespace

void keepForSession(const MainWindow& window, const QString& sessionKey)
{
    QSettings settings = sessionSettings();
    settings.setValue(keyOf(sessionKey, "book"), defaultBook());
    settings.setValue(keyOf(sessionKey, "record"), window.shownRecordName());
}

void restoreSession(MainWindow& window, const QString& sessionKey)
{
    const QSettings settings = sessionSettings();
    const QString record = settings.value(keyOf(sessionKey, "record")).toString();
    // The window shows the default phone book: another may have become the default since.
    if (!record.isEmpty() &&
        settings.value(keyOf(sessionKey, "book")).toString() == defaultBook()) {
        window.showRecordNamed(record);
    }
}

void followDesktopSession(QGuiApplication& application, MainWindow& window)
{
    QObject::connect(&application, &QGuiApplication::saveStateRequest, &window,
                     [&window](QSessionManager& manager) {
                         const QString key = manager.sessionId() + u'_' + manager.sessionKey();
                         keepForSession(window, key);
                         // Without the number or the command this start was given: a
                         // restored session neither dials nor imports again.
                         manager.setRestartCommand({QCoreApplication::applicationFilePath(),
                                                    QStringLiteral("-session"), key});
                     });
    if (application.isSessionRestored()) {
        restoreSession(window, application.sessionId() + u'_' + application.sessionKey());
    }
}

} // namespace vennor::app
