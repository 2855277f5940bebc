// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/tempfolders.h"

#include "core/folders.h"
#include "core/scramble.h"

#include <QDir>
#include <QFile>

namespace vennor::test {

TempFolders::TempFolders()
    : oldConfig_(qgetenv("XDG_CONFIG_HOME")), oldData_(qgetenv("XDG_DATA_HOME"))
{
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir_.path() + QStringLiteral("/config")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(dir_.path() + QStringLiteral("/data")));
    QDir().mkpath(folders::settingsFolder());
    QDir().mkpath(folders::phoneBookFolder());
}

TempFolders::~TempFolders()
{
    qputenv("XDG_CONFIG_HOME", oldConfig_);
    qputenv("XDG_DATA_HOME", oldData_);
}

QString TempFolders::settingsFile() const
{
    return folders::settingsFilePath();
}

QString TempFolders::phoneBook(const QString& name) const
{
    return folders::phoneBookPath(name).value_or(QString());
}

void TempFolders::writeSettings(const QStringList& plainLines) const
{
    QByteArray bytes;
    for (const QString& line : plainLines) {
        bytes += scramble(scrambleKey(), line).toLatin1() + "\r\n";
    }
    QFile file(settingsFile());
    if (file.open(QIODevice::WriteOnly)) {
        file.write(bytes);
    }
}

QStringList TempFolders::readSettings() const
{
    QFile file(settingsFile());
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QStringList lines;
    for (const QByteArray& raw : file.readAll().split('\n')) {
        lines << unscramble(scrambleKey(), QString::fromLatin1(raw).remove(QLatin1Char('\r')));
    }
    if (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast();
    }
    return lines;
}

void TempFolders::writePhoneBook(const QString& name, const QByteArray& bytes) const
{
    QFile file(phoneBook(name));
    if (file.open(QIODevice::WriteOnly)) {
        file.write(bytes);
    }
}

QByteArray TempFolders::readPhoneBook(const QString& name) const
{
    QFile file(phoneBook(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace vennor::test
