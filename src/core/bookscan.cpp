// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/bookscan.h"

#include "core/numeric.h"

namespace vennor {

bool isEndLine(QStringView field)
{
    return field.size() == 1 && field.front() == u')';
}

bool looksLikeNumberLine(QStringView field)
{
    return !field.startsWith(u' ') && isNumeric(field);
}

std::optional<FieldWalker::Step> FieldWalker::next()
{
    const std::optional<QStringView> field = reader_.nextView();
    if (!field) {
        return std::nullopt;
    }
    Step step{*field, false, isEndLine(*field)};
    step.nameLine = recordStart_ && !step.endLine;
    recordStart_ = step.endLine;
    return step;
}

RecordBuilder::RecordBuilder(QStringView name)
{
    record_.name = fieldText(name);
}

void RecordBuilder::add(QStringView field)
{
    if (inNumbers_) {
        record_.numbers.append(splitNumberLine(fieldText(field)));
    } else if (field.startsWith(u' ')) {
        record_.comment = fieldText(field.sliced(1));
    } else if (isNumeric(field)) {
        inNumbers_ = true;
        record_.numbers.append(splitNumberLine(fieldText(field)));
    } else if (field.contains(u'@')) {
        record_.email = fieldText(field);
    } else {
        record_.address = fieldText(field);
    }
}

Record readRest(FieldWalker& walker, RecordBuilder builder)
{
    while (const auto step = walker.next()) {
        if (step->endLine) {
            break;
        }
        builder.add(step->field);
    }
    return builder.take();
}

} // namespace vennor
