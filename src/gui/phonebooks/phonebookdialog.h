// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/result.h"

#include <QDialog>
#include <QStringList>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vennor {

class RecordHost;
class TwipsLayout;
struct SharedState;

// The phone book dialog: creates, renames, deletes a phone book, makes one the default, or
// picks the one to back up, as the shared dialogMode says when it opens.
class PhoneBookDialog : public QDialog
{
    Q_OBJECT

public:
    PhoneBookDialog(SharedState& state, RecordHost& host, QWidget* parent);

    QLabel* promptLabel_;
    QLineEdit* nameBox_;
    QComboBox* bookList_;
    QLabel* newNameLabel_;
    QLineEdit* newNameBox_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;

private:
    void buildControls();
    void applyMode();
    void fillBookList();

    void acceptChoice();

    void create();
    void renameBook();
    void makeDefault();
    void deleteBook();
    void backup();
    Status renameInSettings(const QString& oldName, const QString& newName) const;
    Status makeDefaultInSettings(const QString& name) const;
    void deleteBookFile(const QString& name);
    void dropBookLink(const QString& name, const QString& path);

    bool listed(const QString& name) const;
    std::optional<QString> chosenBook();
    bool settingsUnreadable();
    void warn(const QString& text, const QString& reason = {});

    SharedState& state_;
    RecordHost& host_;
    TwipsLayout* layout_ = nullptr;
    QStringList settingsLines_;
    QString readError_;
};

} // namespace vennor
