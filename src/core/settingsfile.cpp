// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/settingsfile.h"

#include "core/filetexts.h"
#include "core/folders.h"
#include "core/scramble.h"
#include "core/textfile.h"

#include <QFile>

namespace vennor {
namespace {

// Whole lines: commas, quotes and blanks belong to the line. CR LF or LF ends a line; the
// break after the last line does not start another one.
QStringList splitLines(const QString& text)
{
    QStringList lines;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), start);
        if (end < 0) {
            end = text.size();
        }
        QStringView line = QStringView(text).mid(start, end - start);
        if (line.endsWith(QLatin1Char('\r'))) {
            line.chop(1);
        }
        lines.append(line.toString());
        start = end + 1;
    }
    return lines;
}

QByteArray storedLine(const QString& stored)
{
    return stored.toLatin1() + "\r\n";
}

QByteArray storedText(const QString& portLine, const QStringList& plainBooks)
{
    QByteArray bytes = storedLine(portLine);
    for (const QString& book : plainBooks) {
        bytes += storedLine(scramble(scrambleKey(), book));
    }
    return bytes;
}

QString storedPortLine(std::optional<int> foundPort)
{
    return foundPort ? scramble(scrambleKey(), QString::number(*foundPort)) : noModemLine();
}

} // namespace

SettingsFile::SettingsFile() : path_(folders::settingsFilePath()) {}

SettingsFile::SettingsFile(QString path) : path_(std::move(path)) {}

bool SettingsFile::canOpen() const
{
    QFile file(path_);
    return file.open(QIODevice::ReadOnly);
}

Result<QStringList> SettingsFile::readAll() const
{
    Result<QString> text = textfile::read(path_);
    if (!text) {
        return Status::failure(text.error());
    }
    QStringList lines = splitLines(*text);
    for (QString& line : lines) {
        line = unscramble(scrambleKey(), line);
    }
    return lines;
}

Result<QString> SettingsFile::readPortLine() const
{
    Result<QStringList> lines = readAll();
    if (!lines) {
        return Status::failure(lines.error());
    }
    if (lines->isEmpty()) {
        return Result<QString>::failure(FileAccess::tr("The settings file is empty."));
    }
    return lines->first();
}

Result<QString> SettingsFile::readDefaultBook() const
{
    Result<QStringList> lines = readAll();
    if (!lines) {
        return Status::failure(lines.error());
    }
    if (lines->size() < 2) {
        return Result<QString>::failure(FileAccess::tr("No phone book exists."));
    }
    return lines->at(1);
}

Status SettingsFile::rewrite(const QStringList& plainLines) const
{
    QByteArray bytes;
    for (const QString& line : plainLines) {
        bytes += storedLine(scramble(scrambleKey(), line));
    }
    return textfile::rewrite(path_, bytes);
}

Status SettingsFile::appendBook(const QString& name) const
{
    const QByteArray line = storedLine(scramble(scrambleKey(), name));
    // Without a port line the name would become line 1 and be taken for a port.
    if (QFile(path_).size() == 0) {
        return textfile::rewrite(path_, storedLine(noModemLine()) + line);
    }
    return textfile::append(path_, line);
}

Status SettingsFile::recordModemPort(std::optional<int> foundPort) const
{
    const QString portLine = storedPortLine(foundPort);
    if (!QFile::exists(path_)) {
        return textfile::rewrite(path_, storedLine(portLine));
    }
    // A file that exists but cannot be read must not be replaced: it holds the book list.
    Result<QStringList> lines = readAll();
    if (!lines) {
        return Status::failure(lines.error());
    }
    return textfile::rewrite(path_, storedText(portLine, lines->mid(1)));
}

} // namespace vennor
