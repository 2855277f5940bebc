// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/about/aboutbox.h"

#include "platform/fonts.h"
#include "widgets/twips.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace vennor {

namespace {

QLabel* makeLabel(const QString& text, const char* name, double points, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    if (points > 0) {
        label->setFont(twips::scaledFont(arialFont(points)));
    }
    return label;
}

} // namespace

AboutBox::AboutBox(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("about"));
    setWindowTitle(tr("About VENNOR"));
    twips::setClientSize(this, 5685, 3345);

    versionLabel_ = makeLabel(QStringLiteral("Vennor 1.4"), "Label1", 13.5, this);
    twips::place(versionLabel_, 1950, 330, 1785, 300);
    copyrightLabel_ = makeLabel(tr("Copyright (C) The Vennor developers"), "Label2", 9, this);
    twips::place(copyrightLabel_, 1455, 795, 2775, 300);
    blankLabel_ = makeLabel(QString(), "Label3", 9.75, this);
    twips::place(blankLabel_, 1927, 1170, 1830, 300);
    legalNoticeLabel_ = makeLabel(QString(), "Label4", 0, this);
    legalNoticeLabel_->setWordWrap(true);
    twips::place(legalNoticeLabel_, 240, 1680, 5145, 975);

    okButton_ = new QPushButton(tr("Ok"), this);
    okButton_->setObjectName(QStringLiteral("Command1"));
    okButton_->setDefault(true);
    twips::place(okButton_, 2280, 2880, 1080, 310);
    // Ok hides the box; so does Esc, through the dialog's own reject.
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);

    fillTexts();
}

void AboutBox::fillTexts()
{
    legalNoticeLabel_->setText(QStringLiteral(" "));
}

void AboutBox::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    const QScreen* screen =
        this->screen() != nullptr ? this->screen() : QGuiApplication::primaryScreen();
    if (screen != nullptr) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

} // namespace vennor
