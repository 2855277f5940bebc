#pragma once

#include "storage/record.h"
#include "storage/vcardreader.h"

#include <QByteArray>
#include <QString>

namespace vennor {

// The card with what changed between base (the record the card gave) and changed written
// into it: only the properties behind a changed field are touched, so a second e-mail, a
// photo or anything else the record cannot hold stays on the card. Numbers still on the
// record keep their property as it was written.
QByteArray mergedCard(const VCard& card, const Record& base, const Record& changed,
                      const QString& internationalPrefix);

} // namespace vennor
