// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/collationletters.h"

#ifdef VENNOR_HAVE_ICU
#include <array>
#include <memory>
#include <unicode/ucol.h>
#include <unicode/uset.h>
#endif

namespace vennor {

#ifdef VENNOR_HAVE_ICU
QStringList joinedLetters(const QLocale& locale)
{
    // The name Qt's collator opens ICU's with.
    const QByteArray name = locale.bcp47Name().replace(u'-', u'_').toLatin1();
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<UCollator, decltype(&ucol_close)> collator(
        ucol_open(name.constData(), &status), &ucol_close);
    const std::unique_ptr<USet, decltype(&uset_close)> set(uset_openEmpty(), &uset_close);
    if (U_FAILURE(status)) {
        return {};
    }
    ucol_getContractionsAndExpansions(collator.get(), set.get(), nullptr, false, &status);
    QStringList letters;
    for (int32_t i = 0; U_SUCCESS(status) && i < uset_getItemCount(set.get()); ++i) {
        UChar32 start = 0;
        UChar32 end = 0;
        std::array<UChar, 64> text{};
        const int32_t length =
            uset_getItem(set.get(), i, &start, &end, text.data(), int32_t(text.size()), &status);
        if (length > 1 && length <= int32_t(text.size())) {
            letters << QString(reinterpret_cast<const QChar*>(text.data()), length);
        }
    }
    return U_SUCCESS(status) ? letters : QStringList();
}
#else
QStringList joinedLetters(const QLocale&)
{
    return {};
}
#endif

} // namespace vennor
