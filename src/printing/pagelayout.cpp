#include "printing/pagelayout.h"

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
    currx = kLeftColumn;
    printer_.setCurrentX(currx);
    printer_.setPaperSize(Printer::PaperSize::A4);
}

// The position is single precision: each step is added in double and stored back rounded.
void PageLayout::lineDown()
{
    printer_.setCurrentY(float(printer_.currentY() + kLineStep));
}

void PageLayout::printRecord(const PrintedRecord& record)
{
    checkprint(currx, 0);
    printer_.setCurrentX(currx);
    printFitted(record.name, 0);
    currx = qint16(currx + 1);
    for (const QString* text : {&record.email, &record.address}) {
        if (text->isEmpty()) {
            continue;
        }
        printer_.setCurrentX(currx);
        lineDown();
        checkprint(currx, 1);
        printFitted(*text, 1);
    }
    lineDown();
    for (const QString& line : record.numberLines) {
        checkprint(currx, 1);
        printer_.setCurrentX(currx);
        printer_.printLine(line);
    }
    lineDown();
    currx = qint16(currx - 1);
}

void PageLayout::printFitted(const QString& text, qint16 add)
{
    if (printer_.textWidth(text) > kWidthLimit) {
        fixtxt(text, add);
    } else {
        printer_.print(text);
    }
}

void PageLayout::checkprint(qint16& currx, qint16 add)
{
    if (printer_.currentY() > kBottomLimit && currx < kRightColumn) {
        printer_.setCurrentY(kColumnTop);
        currx = qint16(add + kRightColumn);
        printer_.setCurrentX(currx);
    } else if (printer_.currentY() > kBottomLimit) {
        printer_.newPage();
        printer_.setCurrentY(kColumnTop);
        currx = qint16(add + kLeftColumn);
        printer_.setCurrentX(currx);
    }
}

// A piece ends at the last blank within its length, blank included; a piece without a
// usable blank is cut short. A blank already printed never counts again.
void PageLayout::fixtxt(const QString& txt, qint16 add)
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
        checkprint(currx, add);
        printer_.print(txt.sliced(printed, end - printed));
        printer_.setCurrentX(currx);
        lineDown();
        printed = end;
    }
    printer_.setCurrentY(float(printer_.currentY() - kLineStep));
}

} // namespace vennor
