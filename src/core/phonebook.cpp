// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/phonebook.h"

#include "core/bookscan.h"
#include "core/fields.h"
#include "core/filetexts.h"
#include "core/folders.h"
#include "core/numeric.h"
#include "core/textfile.h"

#include <QFile>
#include <QSet>
#include <QVarLengthArray>
#include <functional>
#include <optional>

namespace vennor {
namespace {

// Compares a field as read with a name; without a name nothing matches. Only a name holding
// a line break can equal a field whose raw text differs from it (CR LF read as LF), so the
// others compare the views alone.
class NameMatch
{
public:
    explicit NameMatch(std::optional<QString> name)
        : name_(std::move(name)), lineBreak_(name_ && name_->contains(u'\n'))
    {
    }

    bool operator()(QStringView field) const
    {
        return name_ && (field == *name_ || (lineBreak_ && fieldText(field) == *name_));
    }

private:
    std::optional<QString> name_;
    bool lineBreak_;
};

// The text rewritten without the records named name (all kept without a name), fields in
// the forms a removal writes: end lines and name lines bare, the rest quoted.
struct Kept
{
    QString text;
    bool found = false;        // a record of that name was left out
    bool endsInEndLine = true; // false when the last kept record is not closed
};

Kept rewritten(QStringView text, const std::function<bool(QStringView)>& matches)
{
    Kept kept;
    kept.text.reserve(text.size() + text.size() / 4);
    bool dropping = false;
    FieldWalker walker(text);
    while (const auto step = walker.next()) {
        if (dropping) {
            dropping = !step->endLine;
            continue;
        }
        if (step->nameLine && matches(step->field)) {
            dropping = true;
            kept.found = true;
            continue;
        }
        const bool bare = step->endLine || step->nameLine;
        appendField(kept.text, step->field, bare ? FieldForm::bare : FieldForm::quoted);
        kept.endsInEndLine = step->endLine;
    }
    return kept;
}

// How the text ends, for adding a record after it.
struct Ending
{
    bool closed = true;     // no fields, or the last one is an end line
    bool openQuote = false; // the last field is a quote that never closed
};

Ending endingOf(QStringView text)
{
    Ending ending;
    FieldWalker walker(text);
    while (const auto step = walker.next()) {
        ending.closed = step->endLine;
    }
    ending.openQuote = walker.openQuote();
    return ending;
}

QString closingLine()
{
    QString line;
    appendBareField(line, endLine());
    return line;
}

} // namespace

PhoneBookFile::PhoneBookFile(QString path) : path_(std::move(path)) {}

PhoneBookFile PhoneBookFile::named(const QString& name)
{
    if (std::optional<QString> path = folders::phoneBookPath(name)) {
        return PhoneBookFile(*std::move(path));
    }
    PhoneBookFile refused({});
    refused.refusal_ = FileAccess::tr("\"%1\" cannot be the name of a phone book.").arg(name);
    return refused;
}

Status PhoneBookFile::usable() const
{
    return refusal_.isEmpty() ? Status::success() : Status::failure(refusal_);
}

bool PhoneBookFile::exists() const
{
    return usable() && QFile::exists(path_);
}

namespace {

void addToListing(Listing& listing, const FieldWalker::Step& step)
{
    ++listing.fieldCount;
    if (step.nameLine) {
        listing.names.append(fieldText(step.field));
    } else if (looksLikeNumberLine(step.field) && isNumeric(step.field.sliced(1))) {
        listing.numbers.append(step.field.sliced(1).toString());
    }
}

} // namespace

Result<Listing> PhoneBookFile::list() const
{
    if (Status status = usable(); !status) {
        return status;
    }
    const Result<QString> text = textfile::read(path_);
    if (!text) {
        return Status::failure(text.error());
    }
    Listing listing;
    FieldWalker walker(*text);
    while (const auto step = walker.next()) {
        addToListing(listing, *step);
    }
    return listing;
}

Result<Listing> PhoneBookFile::listNamed(const QString& name) const
{
    const Result<QString> text = textfile::read(path_);
    if (!text) {
        return Status::failure(text.error());
    }
    Listing listing;
    const NameMatch matches(name);
    bool inside = false;
    FieldWalker walker(*text);
    while (const auto step = walker.next()) {
        inside = step->nameLine ? matches(step->field) : inside && !step->endLine;
        if (inside) {
            addToListing(listing, *step);
        }
    }
    return listing;
}

Result<QList<Record>> PhoneBookFile::records() const
{
    const Result<QString> text = textfile::read(path_);
    if (!text) {
        return Status::failure(text.error());
    }
    QList<Record> records;
    FieldWalker walker(*text);
    while (const auto step = walker.next()) {
        if (step->nameLine) {
            records.append(readRest(walker, RecordBuilder(step->field)));
        }
    }
    return records;
}

Result<std::optional<Record>> PhoneBookFile::findByName(const QString& name) const
{
    if (Status status = usable(); !status) {
        return status;
    }
    const Result<QString> text = textfile::read(path_);
    if (!text) {
        return Status::failure(text.error());
    }
    const NameMatch matches(name);
    FieldWalker walker(*text);
    while (const auto step = walker.next()) {
        if (step->nameLine && matches(step->field)) {
            return std::optional(readRest(walker, RecordBuilder(step->field)));
        }
    }
    return std::optional<Record>();
}

Result<std::optional<Record>> PhoneBookFile::findByNumber(const QString& number) const
{
    if (Status status = usable(); !status) {
        return status;
    }
    const Result<QString> text = textfile::read(path_);
    if (!text) {
        return Status::failure(text.error());
    }
    if (number.isEmpty()) {
        return std::optional<Record>();
    }
    // The fields of the record read so far, kept as views until one of its numbers matches.
    QVarLengthArray<QStringView, 16> fields;
    bool inNumbers = false;
    FieldWalker walker(*text);
    while (const auto step = walker.next()) {
        if (step->endLine) {
            fields.clear();
            inNumbers = false;
            continue;
        }
        fields.append(step->field);
        if (step->nameLine) {
            continue;
        }
        inNumbers = inNumbers || looksLikeNumberLine(step->field);
        if (inNumbers && !step->field.isEmpty() && step->field.sliced(1) == number) {
            RecordBuilder builder(fields.front());
            for (qsizetype i = 1; i < fields.size(); ++i) {
                builder.add(fields[i]);
            }
            return std::optional(readRest(walker, std::move(builder)));
        }
    }
    return std::optional<Record>();
}

Status PhoneBookFile::createEmpty() const
{
    if (Status status = usable(); !status) {
        return status;
    }
    if (exists()) {
        return Status::failure(FileAccess::tr("The phone book file %1 already exists.").arg(path_));
    }
    return textfile::rewrite(path_, closingLine().toUtf8());
}

Status PhoneBookFile::append(const Record& record) const
{
    if (Status status = usable(); !status) {
        return status;
    }
    QString existing;
    if (exists()) {
        Result<QString> text = textfile::read(path_);
        if (!text) {
            return Status::failure(text.error());
        }
        existing = std::move(text).value();
    }
    const Ending ending = endingOf(existing);
    if (ending.openQuote) {
        // Added text would vanish into the open quote: the file is rewritten with it closed.
        Kept kept = rewritten(existing, NameMatch(std::nullopt));
        kept.text += closingLine() + recordText(record);
        return textfile::rewrite(path_, kept.text.toUtf8());
    }
    // A record left open would take the new one in as its own fields.
    const QString added = (ending.closed ? QString() : closingLine()) + recordText(record);
    return textfile::append(path_, added.toUtf8());
}

Status PhoneBookFile::removeAll(const QString& name) const
{
    if (Status status = usable(); !status) {
        return status;
    }
    const Result<QString> text = textfile::read(path_);
    if (!text) {
        return Status::failure(text.error());
    }
    const Kept kept = rewritten(*text, NameMatch(name));
    if (!kept.found) {
        return Status::success(); // nothing of that name: the file stays as it is
    }
    return textfile::rewrite(path_, kept.text.toUtf8());
}

Status PhoneBookFile::replace(const Record& record) const
{
    if (Status status = usable(); !status) {
        return status;
    }
    const Result<QString> text = textfile::read(path_);
    if (!text) {
        return Status::failure(text.error());
    }
    Kept kept = rewritten(*text, NameMatch(trimBlanks(record.name.toLower())));
    if (!kept.found) {
        return append(record);
    }
    if (!kept.endsInEndLine) {
        kept.text += closingLine();
    }
    kept.text += recordText(record);
    return textfile::rewrite(path_, kept.text.toUtf8());
}

Status PhoneBookFile::store(const QList<Record>& records) const
{
    return update(records, {});
}

Status PhoneBookFile::update(const QList<Record>& records, const QStringList& removedNames) const
{
    const Result<QString> text = textfile::read(path_);
    if (!text) {
        return Status::failure(text.error());
    }
    QSet<QString> names;
    for (const Record& record : records) {
        names.insert(trimBlanks(record.name.toLower()));
    }
    for (const QString& name : removedNames) {
        names.insert(trimBlanks(name.toLower()));
    }
    Kept kept =
        rewritten(*text, [&names](QStringView field) { return names.contains(fieldText(field)); });
    // Without a record to drop the file keeps its bytes, only closed when left open.
    if (const Ending ending = endingOf(*text); !kept.found && !ending.openQuote) {
        kept.text = *text;
        kept.endsInEndLine = ending.closed;
        if (!kept.text.isEmpty() && !kept.text.endsWith(u'\n')) {
            kept.text += QStringLiteral("\r\n");
        }
    }
    if (!kept.endsInEndLine) {
        kept.text += closingLine();
    }
    for (const Record& record : records) {
        kept.text += recordText(record);
    }
    return textfile::rewrite(path_, kept.text.toUtf8());
}

} // namespace vennor
