#pragma once

namespace vennor {

class RecordHost;
struct SharedState;

// Edit > New phone book (mode 0), Rename phone book (1), Make default (2), Delete phone book
// (3) and Tools > Make backup (4): opens the phone book dialog in that mode, or offers Create
// when there is no phone book yet. Every change to the main window is made from the dialog.
void openPhoneBookDialog(SharedState& state, RecordHost& host, int mode);

} // namespace vennor
