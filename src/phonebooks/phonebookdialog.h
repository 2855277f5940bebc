#pragma once

#include "storage/result.h"

#include <QDialog>
#include <QStringList>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vennor {

class RecordHost;
struct SharedState;

// The phone book dialog: creates, renames, deletes a phone book, makes one the default, or
// picks the one to back up, as the shared dialogMode says when it opens.
class PhoneBookDialog : public QDialog
{
    Q_OBJECT

public:
    PhoneBookDialog(SharedState& state, RecordHost& host, QWidget* parent);

    QLabel* Label1;
    QLineEdit* Text1;
    QComboBox* Combo1;
    QLabel* Label2;
    QLineEdit* Text2;
    QPushButton* Command1;
    QPushButton* Command2;

private:
    void buildControls();
    void applyMode();
    void readfiles();

    void Command1_Click();
    void Command2_Click();

    void create();
    void renameBook();
    void makeDefault();
    void deleteBook();
    void backup();
    Status fixrename(const QString& oldName, const QString& newName) const;
    Status mkdefault(const QString& name) const;
    void delfile(const QString& name);

    bool listed(const QString& name) const;
    std::optional<QString> chosenBook();
    bool settingsUnreadable();
    void warn(const QString& text, const QString& reason = {});

    SharedState& state_;
    RecordHost& host_;
    QStringList comlines;
    QString readError_;
};

} // namespace vennor
