// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/printer.h"

#include "platform/fonts.h"
#include "platform/printqueue.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace vennor {

namespace {

struct Printing
{
    Q_DECLARE_TR_FUNCTIONS(Printing)
};

constexpr double kTwipsPerInch = 1440.0;

QPageSize pageSizeFor(Printer::PaperSize size)
{
    return QPageSize(size == Printer::PaperSize::Letter ? QPageSize::Letter : QPageSize::A4);
}

} // namespace

double Printer::unitX() const
{
    return scaleMode_ == ScaleMode::Characters ? 120.0 : 1.0;
}

double Printer::unitY() const
{
    return scaleMode_ == ScaleMode::Characters ? 240.0 : 1.0;
}

float Printer::currentX() const
{
    return float(x_ / unitX());
}

float Printer::currentY() const
{
    return float(y_ / unitY());
}

void Printer::setCurrentX(float x)
{
    x_ = double(x) * unitX();
}

void Printer::setCurrentY(float y)
{
    y_ = double(y) * unitY();
}

float Printer::textWidth(const QString& text) const
{
    return float(measure(text) / unitX());
}

void Printer::draw(const QString& text)
{
    while (pages_.size() < page_) {
        pages_.append(Page());
    }
    pages_[page_ - 1].append({text, x_, y_, fontSize_});
    drawn_ = true;
}

void Printer::print(const QString& text)
{
    draw(text);
    x_ += measure(text);
}

void Printer::printLine(const QString& text)
{
    draw(text);
    x_ = 0;
    y_ += lineHeight();
}

void Printer::newPage()
{
    ++page_;
    x_ = 0;
    y_ = 0;
}

Status Printer::endDoc()
{
    if (!drawn_) {
        reset();
        return Status::success();
    }
    while (pages_.size() < page_) {
        pages_.append(Page());
    }
    const QList<Page> pages = std::move(pages_);
    reset();
    return output(pages);
}

void Printer::killDoc()
{
    reset();
}

void Printer::reset()
{
    pages_.clear();
    drawn_ = false;
    page_ = 1;
    x_ = 0;
    y_ = 0;
}

SystemPrinter::SystemPrinter()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    printer_ = info.isNull() ? std::make_unique<QPrinter>(QPrinter::HighResolution)
                             : std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

SystemPrinter::SystemPrinter(const QString& pdfPath)
    : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)), toFile_(true)
{
    printer_->setOutputFormat(QPrinter::PdfFormat);
    printer_->setOutputFileName(pdfPath);
}

SystemPrinter::~SystemPrinter() = default;

std::unique_ptr<SystemPrinter> SystemPrinter::toPdf(const QString& path)
{
    return std::unique_ptr<SystemPrinter>(new SystemPrinter(path));
}

Status SystemPrinter::ready() const
{
    if (toFile_) {
        return Status::success();
    }
    if (QPrinterInfo::defaultPrinter().isNull() || !printer_->isValid()) {
        return Status::failure(Printing::tr("No printer is installed, nothing was printed"));
    }
    // A queue that refuses jobs would take the job silently and print nothing.
    if (const std::optional<bool> accepts = queueAcceptsJobs(printer_->printerName());
        accepts && !*accepts) {
        return Status::failure(
            Printing::tr("The printer is not accepting jobs, nothing was printed"));
    }
    return Status::success();
}

double SystemPrinter::toTwips(double devicePixels) const
{
    return devicePixels * kTwipsPerInch / printer_->resolution();
}

double SystemPrinter::measure(const QString& text) const
{
    return toTwips(QFontMetricsF(arialFont(fontSize()), printer_.get()).horizontalAdvance(text));
}

double SystemPrinter::lineHeight() const
{
    return toTwips(QFontMetricsF(arialFont(fontSize()), printer_.get()).lineSpacing());
}

Status SystemPrinter::output(const QList<Page>& pages)
{
    const Status failed = Status::failure(Printing::tr("The printer failed, nothing was printed"));
    printer_->setPageSize(pageSizeFor(paperSize()));
    printer_->setDocName(title());
    printer_->setFullPage(false);
    QPainter painter;
    if (!painter.begin(printer_.get())) {
        return failed;
    }
    const double scale = printer_->resolution() / kTwipsPerInch;
    for (qsizetype i = 0; i < pages.size(); ++i) {
        if (i > 0 && !printer_->newPage()) {
            painter.end();
            return failed;
        }
        for (const DrawnText& drawn : pages[i]) {
            const QFont font = arialFont(drawn.fontSize);
            painter.setFont(font);
            const double ascent = QFontMetricsF(font, printer_.get()).ascent();
            painter.drawText(QPointF(drawn.left * scale, drawn.top * scale + ascent), drawn.text);
        }
    }
    if (!painter.end() || printer_->printerState() == QPrinter::Error) {
        return failed;
    }
    return Status::success();
}

} // namespace vennor
