// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

namespace vennor {

class Printer;

// What one record puts on paper: the comment never goes; each number line is already
// "type: number".
struct PrintedRecord
{
    QString name;
    QString email;
    QString address;
    QStringList numberLines;
};

// Lays records out two columns to a page in character cells (x 1/12 inch, y 1/6 inch).
// The column and page breaks happen line by line, so a record may split anywhere.
class PageLayout
{
public:
    explicit PageLayout(Printer& printer) : printer_(printer) {}

    void setup();
    void printRecord(const PrintedRecord& record);

    // Moves to the next column or page when the current line would fall below the column.
    void moveOnWhenColumnFull(qint16& lineStartX, qint16 add);
    // Prints a text too wide for its column as pieces on successive lines.
    void printWrapped(const QString& txt, qint16 add);

    // The x of the current line's start: 4 or 50 for names, 5 or 51 for the lines below.
    qint16 lineStartX = 4;

private:
    void printFitted(const QString& text, qint16 add);
    void lineDown();

    Printer& printer_;
};

} // namespace vennor
