// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/folders.h"

#include "core/bookname.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace vennor::folders {
namespace {

QString withSeparator(QString path)
{
    if (!path.isEmpty() && !path.endsWith(QLatin1Char('/')) && !path.endsWith(QLatin1Char('\\'))) {
        path += QLatin1Char('/');
    }
    return path;
}

#ifdef Q_OS_WIN
qsizetype countPlainFiles(const QString& folder)
{
    return QDir(folder)
        .entryList({QStringLiteral("*.*")}, QDir::Files | QDir::Hidden | QDir::System)
        .size();
}

QString windowsSettingsFolder()
{
    wchar_t buffer[256] = {};
    const UINT length = GetWindowsDirectoryW(buffer, 256);
    QString windows = withSeparator(QString::fromWCharArray(buffer, int(length)));
    windows.replace(QLatin1Char('/'), QLatin1Char('\\'));
    if (!windows.isEmpty() && !windows.endsWith(QLatin1Char('\\'))) {
        windows += QLatin1Char('\\');
    }
    const QString system = windows + QStringLiteral("system\\");
    const QString system32 = windows + QStringLiteral("system32\\");
    return countPlainFiles(system) > countPlainFiles(system32) ? system : system32;
}
#endif

QString xdgFolder(const char* variable, const QString& fallbackUnderHome)
{
    QString base = qEnvironmentVariable(variable);
    if (base.isEmpty() || !QDir::isAbsolutePath(base)) {
        base = QDir::homePath() + QLatin1Char('/') + fallbackUnderHome;
    }
    return withSeparator(base) + QStringLiteral("vennor/");
}

} // namespace

QString settingsFolder()
{
#ifdef Q_OS_WIN
    return windowsSettingsFolder();
#else
    return xdgFolder("XDG_CONFIG_HOME", QStringLiteral(".config"));
#endif
}

QString settingsFilePath()
{
    return settingsFolder() + QStringLiteral("com.exe");
}

QString phoneBookFolder()
{
#ifdef Q_OS_WIN
    return withSeparator(QCoreApplication::applicationDirPath());
#else
    return xdgFolder("XDG_DATA_HOME", QStringLiteral(".local/share"));
#endif
}

std::optional<QString> phoneBookPath(const QString& name)
{
    if (!isValidBookName(name)) {
        return std::nullopt;
    }
    return phoneBookFolder() + name + QStringLiteral(".dat");
}

bool ensureFolderOf(const QString& filePath)
{
    return QDir().mkpath(QFileInfo(filePath).absolutePath());
}

} // namespace vennor::folders
