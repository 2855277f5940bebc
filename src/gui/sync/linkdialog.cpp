// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/sync/linkdialog.h"

#include "widgets/twips.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vennor {
namespace {

QLineEdit* lineEdit(QWidget* parent, const char* name, const QString& placeholder = {})
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setPlaceholderText(placeholder);
    edit->setMinimumWidth(twips::toPixels(3840)); // room for an address, at any font
    return edit;
}

} // namespace

LinkDialog::LinkDialog(const QString& book, QWidget* parent)
    : QDialog(parent), url_(lineEdit(this, "syncUrl", QStringLiteral("https://example.org/dav/"))),
      user_(lineEdit(this, "syncUser")), password_(lineEdit(this, "syncPassword"))
{
    setWindowTitle(tr("Link to Server"));
    password_->setEchoMode(QLineEdit::Password);
    auto* layout = new QFormLayout(this);
    auto* intro = new QLabel(
        tr("Share the phone book \u201C%1\u201D through a CardDAV address book. Give the "
           "address book's URL or the server's.")
            .arg(book),
        this);
    intro->setWordWrap(true);
    layout->addRow(intro);
    layout->addRow(tr("&URL:"), url_);
    layout->addRow(tr("User &name:"), user_);
    layout->addRow(tr("&Password:"), password_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("linkOk"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("linkCancel"));
    layout->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QString LinkDialog::url() const
{
    return url_->text().trimmed();
}

QString LinkDialog::user() const
{
    return user_->text().trimmed();
}

QString LinkDialog::password() const
{
    return password_->text();
}

} // namespace vennor
