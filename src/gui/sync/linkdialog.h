// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

class QLineEdit;

namespace vennor {

// What the user gives to link a phone book: the address book's (or server's) URL, a user
// name and a password.
class LinkDialog : public QDialog
{
    Q_OBJECT

public:
    explicit LinkDialog(const QString& book, QWidget* parent = nullptr);

    QString url() const;
    QString user() const;
    QString password() const;

private:
    QLineEdit* url_;
    QLineEdit* user_;
    QLineEdit* password_;
};

} // namespace vennor
