// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/result.h"

#include <QList>
#include <QString>
#include <memory>

class QPrinter;

namespace vennor {

// A print job in the manner of a classic printer object: a font size, a unit, a current
// position that printing moves, pages, and a job that is either handed over whole (endDoc)
// or thrown away (killDoc). The drawn text is kept per page until the job ends, so an
// abandoned job never reaches the printer.
class Printer
{
public:
    enum class ScaleMode { Twips = 1, Characters = 4 };
    enum class PaperSize { Letter = 1, A4 = 9 };

    // One text as drawn, its top-left corner in twips from the printable area's corner.
    struct DrawnText
    {
        QString text;
        double left = 0;
        double top = 0;
        double fontSize = 0;
    };
    using Page = QList<DrawnText>;

    virtual ~Printer() = default;

    // Whether a job could be printed at all; otherwise the reason, worded for the user.
    virtual Status ready() const = 0;

    void setFontSize(double points) { fontSize_ = points; }
    double fontSize() const { return fontSize_; }
    void setScaleMode(ScaleMode mode) { scaleMode_ = mode; }
    ScaleMode scaleMode() const { return scaleMode_; }
    void setPaperSize(PaperSize size) { paperSize_ = size; }
    PaperSize paperSize() const { return paperSize_; }
    // The job's name in the print queue (and a PDF's title and file name).
    void setTitle(const QString& title) { title_ = title; }
    const QString& title() const { return title_; }

    // The current position and widths are single-precision numbers in the current unit.
    float currentX() const;
    float currentY() const;
    void setCurrentX(float x);
    void setCurrentY(float y);
    float textWidth(const QString& text) const;

    // Draws at the current position; x moves to the end of the text.
    void print(const QString& text);
    // Draws at the current position; x returns to 0 and y moves down one line of the font.
    void printLine(const QString& text);

    void newPage();
    // The number of the page being drawn, 1 on the first.
    int page() const { return page_; }

    // Ends the job and hands its pages to the printer.
    Status endDoc();
    // Abandons the job: nothing of it is printed.
    void killDoc();

protected:
    // The width of a text and the height of a line in the current font, in twips.
    virtual double measure(const QString& text) const = 0;
    virtual double lineHeight() const = 0;
    // Prints the pages of an ended job (never called for a job without any drawing).
    virtual Status output(const QList<Page>& pages) = 0;

private:
    double unitX() const;
    double unitY() const;
    void draw(const QString& text);
    void reset();

    double fontSize_ = 12;
    ScaleMode scaleMode_ = ScaleMode::Twips;
    PaperSize paperSize_ = PaperSize::A4;
    QString title_;
    double x_ = 0; // twips
    double y_ = 0; // twips
    int page_ = 1;
    QList<Page> pages_;
    bool drawn_ = false;
};

// The system's default printer, or a PDF file in its place.
class SystemPrinter : public Printer
{
public:
    SystemPrinter();
    ~SystemPrinter() override;
    static std::unique_ptr<SystemPrinter> toPdf(const QString& path);

    Status ready() const override;

protected:
    double measure(const QString& text) const override;
    double lineHeight() const override;
    Status output(const QList<Page>& pages) override;

private:
    explicit SystemPrinter(const QString& pdfPath);
    double toTwips(double devicePixels) const;

    std::unique_ptr<QPrinter> printer_;
    bool toFile_ = false;
};

} // namespace vennor
