// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/messagebox.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

namespace vennor {

namespace {

MessageBox::Answer replaceSkipCancel(QMessageBox& box)
{
    QPushButton* replace = box.addButton(
        QCoreApplication::translate("vennor::MessageBox", "&Replace"), QMessageBox::AcceptRole);
    QPushButton* skip = box.addButton(QCoreApplication::translate("vennor::MessageBox", "&Skip"),
                                      QMessageBox::AcceptRole);
    box.setDefaultButton(skip);
    box.setEscapeButton(box.addButton(QMessageBox::Cancel));
    box.exec();
    if (box.clickedButton() == replace) {
        return MessageBox::Answer::Replace;
    }
    return box.clickedButton() == skip ? MessageBox::Answer::Skip : MessageBox::Answer::Cancel;
}

} // namespace

MessageBox::Responder& MessageBox::responder()
{
    static Responder installed;
    return installed;
}

void MessageBox::setResponder(Responder responder)
{
    MessageBox::responder() = std::move(responder);
}

MessageBox::Answer MessageBox::show(QWidget* parent, const Request& request)
{
    if (responder()) {
        return responder()(request);
    }
    QMessageBox box(parent);
    box.setObjectName(QStringLiteral("messageBox"));
    box.setWindowTitle(request.title);
    box.setText(request.text);
    box.setInformativeText(request.informative);
    box.setIcon(request.buttons != Buttons::Ok ? QMessageBox::Question
                : request.success              ? QMessageBox::Information
                                               : QMessageBox::Warning);
    if (request.buttons == Buttons::ReplaceSkipCancel) {
        return replaceSkipCancel(box);
    }
    QPushButton* okButton = box.addButton(QMessageBox::Ok);
    box.setDefaultButton(okButton);
    if (request.buttons == Buttons::OkCancel) {
        box.setEscapeButton(box.addButton(QMessageBox::Cancel));
    } else {
        box.setEscapeButton(okButton);
    }
    box.exec();
    return box.clickedButton() == okButton ? Answer::Ok : Answer::Cancel;
}

MessageBox::Answer MessageBox::ok(QWidget* parent, const QString& text, const QString& title)
{
    return show(parent, {text, title, Buttons::Ok, {}});
}

MessageBox::Answer MessageBox::okCancel(QWidget* parent, const QString& text, const QString& title)
{
    return show(parent, {text, title, Buttons::OkCancel, {}});
}

} // namespace vennor
