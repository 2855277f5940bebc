// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/printing/pagelayout.h"

#include "platform/printer.h"

#include <algorithm>

namespace vennor {

namespace {

constexpr float kColumnTop = 5;
constexpr float kBottomLimit = 65.5F;
constexpr qint16 kLeftColumn = 4;
constexpr qint16 kRightColumn = 50;
constexpr double kLineStep = 1.2;
constexpr float kWidthLimit = 40;
constexpr qsizetype kPieceLength = 40;
constexpr qsizetype kHardCut = 38;

} // namespace

void PageLayout::setup()
{
    printer_.setFontSize(12);
    printer_.setScaleMode(Printer::ScaleMode::Characters);
    printer_.setCurrentY(kColumnTop);
    lineStartX = kLeftColumn;
    printer_.setCurrentX(lineStartX);
    printer_.setPaperSize(Printer::PaperSize::A4);
}

// The position is single precision: each step is added in double and stored back rounded.
void PageLayout::lineDown()
{
    printer_.setCurrentY(float(printer_.currentY() + kLineStep));
}

void PageLayout::printRecord(const PrintedRecord& record)
{
    moveOnWhenColumnFull(lineStartX, 0);
    printer_.setCurrentX(lineStartX);
    printFitted(record.name, 0);
    lineStartX = qint16(lineStartX + 1);
    for (const QString* text : {&record.email, &record.address}) {
        if (text->isEmpty()) {
            continue;
        }
        printer_.setCurrentX(lineStartX);
        lineDown();
        moveOnWhenColumnFull(lineStartX, 1);
        printFitted(*text, 1);
    }
    lineDown();
    for (const QString& line : record.numberLines) {
        moveOnWhenColumnFull(lineStartX, 1);
        printer_.setCurrentX(lineStartX);
        printer_.printLine(line);
    }
    lineDown();
    lineStartX = qint16(lineStartX - 1);
}

void PageLayout::printFitted(const QString& text, qint16 add)
{
    if (printer_.textWidth(text) > kWidthLimit) {
        printWrapped(text, add);
    } else {
        printer_.print(text);
    }
}

void PageLayout::moveOnWhenColumnFull(qint16& lineStartX, qint16 add)
{
    if (printer_.currentY() > kBottomLimit && lineStartX < kRightColumn) {
        printer_.setCurrentY(kColumnTop);
        lineStartX = qint16(add + kRightColumn);
        printer_.setCurrentX(lineStartX);
    } else if (printer_.currentY() > kBottomLimit) {
        printer_.newPage();
        printer_.setCurrentY(kColumnTop);
        lineStartX = qint16(add + kLeftColumn);
        printer_.setCurrentX(lineStartX);
    }
}

// A piece ends at the last blank within its length, blank included; a piece without a
// usable blank is cut short. A blank already printed never counts again.
void PageLayout::printWrapped(const QString& txt, qint16 add)
{
    const qsizetype length = txt.size();
    qsizetype printed = 0;
    while (printed < length) {
        const qsizetype limit = printed + kPieceLength - add;
        qsizetype end = -1;
        if (limit <= length) {
            const qsizetype blank = txt.lastIndexOf(u' ', limit - 1);
            if (blank >= printed) {
                end = blank + 1;
            }
        }
        if (end < 0) {
            end = std::min(printed + kHardCut - add, length);
        }
        moveOnWhenColumnFull(lineStartX, add);
        printer_.print(txt.sliced(printed, end - printed));
        printer_.setCurrentX(lineStartX);
        lineDown();
        printed = end;
    }
    printer_.setCurrentY(float(printer_.currentY() - kLineStep));
}

} // namespace vennor
