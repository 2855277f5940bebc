#pragma once

#include "mainwindow/recordhost.h"

#include <QStringList>
#include <QWidget>
#include <functional>

namespace vennor::test {

// Stands in for the main window where a test needs only its window and the calls made to it:
// every call is recorded by name, in order; the lists and the editor are empty.
class FakeRecordHost : public RecordHost
{
public:
    QWidget* window() override { return &window_; }

    QStringList nameEntries() const override { return {}; }
    void search() override { calls << QStringLiteral("search"); }
    QString fieldText(int) const override { return {}; }
    QStringList numberEntries() const override { return {}; }
    bool hasUnsavedChanges() const override { return false; }
    bool save() override
    {
        calls << QStringLiteral("save");
        return true;
    }
    void refillLists() override
    {
        calls << QStringLiteral("refillLists");
        if (onRefill) {
            onRefill();
        }
    }
    void focusNameBox() override { calls << QStringLiteral("focusNameBox"); }
    void focusNameSearch() override { calls << QStringLiteral("focusNameSearch"); }

    QStringList calls;
    std::function<void()> onRefill; // runs inside refillLists

private:
    QWidget window_;
};

} // namespace vennor::test
