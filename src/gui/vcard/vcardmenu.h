// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace vennor {

class RecordHost;

// File > Import vCard...: reads a .vcf file the user chooses into the default phone book,
// asks once what to do with names the book holds already, shows one summary and refills the
// search lists.
void importVCardFromMenu(RecordHost& host);

// File > Export vCard...: writes the default phone book to a .vcf file the user chooses, as
// vCard 3.0 or, chosen by the file type, 4.0.
void exportVCardFromMenu(RecordHost& host);

} // namespace vennor
