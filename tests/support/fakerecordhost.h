#pragma once

#include "mainwindow/recordhost.h"

#include <QStringList>
#include <QWidget>
#include <functional>

namespace vennor::test {

// Stands in for the main window where a test needs only what other windows use of it: it
// records every call (by name, in order) and answers from values the test sets.
class FakeRecordHost : public RecordHost
{
public:
    QWidget* window() override { return &window_; }

    QStringList nameEntries() const override { return names; }
    void search() override { record(QStringLiteral("search"), onSearch); }
    QString fieldText(int index) const override { return fields.value(index); }
    QStringList numberEntries() const override { return numbers; }

    bool hasUnsavedChanges() const override { return unsaved; }
    bool save() override
    {
        record(QStringLiteral("save"), onSave);
        return saveResult;
    }

    void refillLists() override { record(QStringLiteral("refillLists"), onRefill); }
    void focusNameBox() override { record(QStringLiteral("focusNameBox"), {}); }
    void focusNameSearch() override { record(QStringLiteral("focusNameSearch"), {}); }

    int callCount(const QString& name) const { return int(calls.count(name)); }

    // What the test sets.
    QStringList names;
    QStringList numbers;
    QStringList fields; // 0 name, 1 e-mail, 2 address, 3 comment
    bool unsaved = false;
    bool saveResult = true;
    std::function<void()> onSearch;
    std::function<void()> onSave;
    std::function<void()> onRefill;

    // What the code under test did.
    QStringList calls;

private:
    void record(const QString& name, const std::function<void()>& action)
    {
        calls << name;
        if (action) {
            action();
        }
    }

    QWidget window_;
};

} // namespace vennor::test
