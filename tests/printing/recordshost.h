#pragma once

#include "mainwindow/recordhost.h"
#include "storage/record.h"
#include "storage/sharedstate.h"

#include <QMap>
#include <QWidget>
#include <algorithm>
#include <functional>
#include <memory>
#include <optional>

namespace vennor::test {

// A main window reduced to what the search and print windows use: a sorted name list ending
// in three empty entries, and a record editor that search() fills from a map of records.
class RecordsHost : public RecordHost
{
public:
    explicit RecordsHost(SharedState& state) : state_(state) {}

    void add(const Record& record) { addAll({record}); }
    void addAll(const QList<Record>& records)
    {
        for (const Record& record : records) {
            records_[record.name] = record;
        }
        names_ = records_.keys();
        std::sort(names_.begin(), names_.end(), [](const QString& a, const QString& b) {
            return a.compare(b, Qt::CaseInsensitive) < 0;
        });
    }
    void setEntries(QStringList entries) { entries_ = std::move(entries); }

    QWidget* window() override
    {
        if (!window_) {
            window_ = std::make_unique<QWidget>();
        }
        return window_.get();
    }
    QStringList nameEntries() const override
    {
        if (entries_) {
            return *entries_;
        }
        return names_.isEmpty() ? QStringList() : names_ + QStringList{{}, {}, {}};
    }
    void search() override
    {
        searched.append(state_.selname);
        const auto found = records_.constFind(state_.selname);
        if (found != records_.cend()) {
            onScreen = *found;
            state_.typecodes.clear();
            for (const PhoneNumber& number : found->numbers) {
                state_.typecodes.append(number.type);
            }
        }
        if (onSearch) {
            onSearch();
        }
    }
    QString fieldText(int index) const override
    {
        const QString* fields[] = {&onScreen.name, &onScreen.email, &onScreen.address,
                                   &onScreen.comment};
        return index >= 0 && index < 4 ? *fields[index] : QString();
    }
    QStringList numberEntries() const override
    {
        QStringList numbers;
        for (const PhoneNumber& number : onScreen.numbers) {
            numbers.append(number.number);
        }
        return numbers;
    }
    bool hasUnsavedChanges() const override { return unsaved; }
    bool save() override
    {
        ++saves;
        if (saveSucceeds) {
            unsaved = false;
        }
        return saveSucceeds;
    }
    void refillLists() override {}
    void focusNameBox() override { calls.append(QStringLiteral("focusNameBox")); }
    void focusNameSearch() override { calls.append(QStringLiteral("focusNameSearch")); }

    Record onScreen;
    QStringList searched; // selname at every search, in order
    QStringList calls;
    std::function<void()> onSearch;
    bool unsaved = false;
    bool saveSucceeds = true;
    int saves = 0;

private:
    SharedState& state_;
    QMap<QString, Record> records_;
    QStringList names_;
    std::optional<QStringList> entries_;
    std::unique_ptr<QWidget> window_;
};

} // namespace vennor::test
