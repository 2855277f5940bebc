// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>
#include <functional>

class QWidget;

namespace vennor {

// What the other windows use of the main window's record editor and search lists. The main
// window implements it; windows that load, print or refill records take it by reference.
class RecordHost
{
public:
    virtual ~RecordHost() = default;

    virtual QWidget* window() = 0;

    // Every entry of the name list, in list order, the trailing empty ones included.
    virtual QStringList nameEntries() const = 0;
    // Loads the record whose name is the shared selectedName into the editor.
    virtual void loadRecordByName() = 0;
    // The editor's four text boxes: 0 name, 1 e-mail, 2 address, 3 comment.
    virtual QString fieldText(int index) const = 0;
    // The record's number list, in order (parallel to the shared typeCodes).
    virtual QStringList numberEntries() const = 0;

    // Whether the record on screen has changes the exit procedure would offer to save.
    virtual bool hasUnsavedChanges() const = 0;
    // Runs the save procedure; true when the record was written.
    virtual bool save() = 0;
    // Takes what the editor shows now; calling the result puts it back, after a print run
    // loaded other records into the editor. A host without an editor has nothing to keep.
    virtual std::function<void()> keepEditor()
    {
        return [] {};
    }

    // Clears both search lists and the editor, then fills the lists from the default
    // phone book again.
    virtual void refillLists() = 0;
    // Gives the keyboard focus to the name box / the name search box.
    virtual void focusNameBox() = 0;
    virtual void focusNameSearch() = 0;
};

} // namespace vennor
