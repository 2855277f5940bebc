// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/textbox.h"

namespace vennor {

TextBox::TextBox(QWidget* parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::textChanged, this, [this] { dataChanged_ = true; });
}

TextArea::TextArea(QWidget* parent) : QPlainTextEdit(parent)
{
    setTabChangesFocus(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        dataChanged_ = true;
        if (!settingText_) {
            emit edited();
        }
    });
}

void TextArea::setText(const QString& text)
{
    if (text != toPlainText()) {
        settingText_ = true;
        setPlainText(text);
        settingText_ = false;
    }
}

} // namespace vennor
