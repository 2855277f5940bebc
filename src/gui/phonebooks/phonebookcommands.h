// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace vennor {

class RecordHost;
struct SharedState;
enum class BookDialogMode;

// Edit > New phone book, Rename phone book, Make default, Delete phone book and Tools > Make
// backup: opens the phone book dialog in that mode, or offers Create when there is no phone
// book yet. Every change to the main window is made from the dialog.
void openPhoneBookDialog(SharedState& state, RecordHost& host, BookDialogMode mode);

} // namespace vennor
