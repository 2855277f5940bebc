#pragma once

#include <QString>
#include <QStringView>
#include <optional>

namespace vennor {

// Reads the fields of a phone book text one after another.
// Bare: up to a comma or the end of the line, blanks trimmed. Quoted: up to the closing
// double quote, across line breaks; the rest of the line up to a comma is skipped. A quote
// never closed runs to the end of the text.
class FieldReader
{
public:
    explicit FieldReader(QStringView text) : text_(text) {}

    bool atEnd() const { return pos_ >= text_.size() && !pendingEmpty_; }
    // The next field; nullopt at the end of the text.
    std::optional<QString> next();

private:
    QStringView text_;
    qsizetype pos_ = 0;
    bool pendingEmpty_ = false; // a comma ended the last line's field: one empty field follows
};

// Blanks (spaces only) removed at both ends.
QString trimBlanks(const QString& text);

// One field as a line: bare writes the text as it is, quoted between double quotes.
void appendBareField(QString& out, const QString& text);
void appendQuotedField(QString& out, const QString& text);

inline QString endLine()
{
    return QStringLiteral(")");
}

} // namespace vennor
