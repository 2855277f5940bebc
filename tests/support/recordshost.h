// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/record.h"
#include "gui/recordhost.h"
#include "gui/sharedstate.h"

#include <QMap>
#include <QWidget>
#include <functional>

namespace vennor::test {

// The main window as other windows see it: its names, then the three empty entries that end
// the list; loadRecordByName() puts the record named by selectedName on screen; refills are
// counted.
class RecordsHost : public RecordHost
{
public:
    explicit RecordsHost(SharedState& state) : state_(state) {}

    void add(const Record& record) { records_.insert(record.name, record); }

    QWidget* window() override { return &window_; }
    QStringList nameEntries() const override { return records_.keys() + QStringList{{}, {}, {}}; }
    void loadRecordByName() override
    {
        onScreen = records_.value(state_.selectedName, onScreen);
        state_.typeCodes.clear();
        numbers.clear();
        for (const PhoneNumber& number : onScreen.numbers) {
            state_.typeCodes.append(number.type);
            numbers.append(number.number);
        }
        if (onSearch) {
            onSearch();
        }
    }
    QString fieldText(int i) const override
    {
        return QStringList{onScreen.name, onScreen.email, onScreen.address}.value(i);
    }
    QStringList numberEntries() const override { return numbers; }
    bool hasUnsavedChanges() const override { return unsaved; }
    bool save() override
    {
        ++saves;
        return saveSucceeds;
    }
    void refillLists() override
    {
        ++refills;
        if (onRefill) {
            onRefill();
        }
    }
    void focusNameBox() override { ++nameBoxFocused; }
    void focusNameSearch() override {}

    Record onScreen;
    QStringList numbers;
    std::function<void()> onSearch;
    std::function<void()> onRefill; // runs inside refillLists
    bool unsaved = false;
    bool saveSucceeds = true;
    int saves = 0;
    int nameBoxFocused = 0;
    int refills = 0;

private:
    SharedState& state_;
    QMap<QString, Record> records_;
    QWidget window_;
};

} // namespace vennor::test
