// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/callerlookup.h"

#include "core/telnumber.h"

namespace vennor {

namespace {

QString digitsOf(QStringView number)
{
    QString digits;
    for (const QChar c : number) {
        if (c.isDigit() && c.unicode() < 0x80) {
            digits += c;
        }
    }
    return digits;
}

qsizetype sharedEnd(QStringView a, QStringView b)
{
    qsizetype n = 0;
    while (n < a.size() && n < b.size() && a[a.size() - 1 - n] == b[b.size() - 1 - n]) {
        ++n;
    }
    return n;
}

} // namespace

BookIndex* CallerLookup::indexOf(const QString& book, std::optional<PhoneBookFile>& file)
{
    file.emplace(PhoneBookFile::named(book));
    if (!file->usable()) {
        return nullptr;
    }
    if (shared_ != nullptr && shared_->isOf(*file)) {
        indexes_.erase(book);
        return shared_->prepareForCallers(*file) ? shared_ : nullptr;
    }
    BookIndex& index = indexes_[book];
    return index.prepareForCallers(*file) ? &index : nullptr;
}

void CallerLookup::prepare(const QStringList& books)
{
    for (const QString& book : books) {
        std::optional<PhoneBookFile> file;
        indexOf(book, file);
    }
}

std::optional<CallerMatch> CallerLookup::find(const QStringList& books, const QString& number,
                                              const QString& internationalPrefix)
{
    const std::optional<QString> cleaned = reducedTelNumber(number, internationalPrefix);
    if (!cleaned) {
        return std::nullopt;
    }
    if (std::optional<CallerMatch> exact = findExact(books, *cleaned)) {
        return exact;
    }
    return findByEnd(books, digitsOf(*cleaned));
}

std::optional<CallerMatch> CallerLookup::findExact(const QStringList& books, const QString& number)
{
    for (const QString& book : books) {
        std::optional<PhoneBookFile> file;
        BookIndex* index = indexOf(book, file);
        if (!index) {
            continue;
        }
        const Result<std::optional<Record>> found = index->findByNumber(*file, number);
        if (!found || !found->has_value()) {
            continue;
        }
        const Record& record = **found;
        for (const PhoneNumber& stored : record.numbers) {
            if (stored.number == number) {
                return CallerMatch{book, record, stored, true};
            }
        }
    }
    return std::nullopt;
}

std::optional<CallerMatch> CallerLookup::findByEnd(const QStringList& books, const QString& digits)
{
    std::optional<CallerMatch> best;
    qsizetype bestLength = BookIndex::kNumberEnd - 1;
    for (const QString& book : books) {
        std::optional<PhoneBookFile> file;
        BookIndex* index = indexOf(book, file);
        if (!index) {
            continue;
        }
        const Result<std::vector<Record>> found = index->findByNumberEnd(*file, digits);
        if (!found) {
            continue;
        }
        for (const Record& record : *found) {
            for (const PhoneNumber& stored : record.numbers) {
                const qsizetype length = sharedEnd(digitsOf(stored.number), digits);
                if (length > bestLength) {
                    bestLength = length;
                    best = CallerMatch{book, record, stored, false};
                }
            }
        }
    }
    return best;
}

} // namespace vennor
