// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>

namespace vennor {

// A one-line text box with a changed mark: set by every change of its text, typed or made by
// code; cleared only by code.
class TextBox : public QLineEdit
{
    Q_OBJECT

public:
    explicit TextBox(QWidget* parent = nullptr);

    bool dataChanged() const { return dataChanged_; }
    void setDataChanged(bool changed) { dataChanged_ = changed; }

private:
    bool dataChanged_ = false;
};

// A text box of several lines, with a vertical scroll bar; Enter makes a line break, Tab moves
// the focus on.
class TextArea : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit TextArea(QWidget* parent = nullptr);

    QString text() const { return toPlainText(); }
    void setText(const QString& text);

    bool dataChanged() const { return dataChanged_; }
    void setDataChanged(bool changed) { dataChanged_ = changed; }

signals:
    // The user changed the text (typing, paste, cut, drop, undo); setText() does not raise it.
    void edited();

private:
    bool dataChanged_ = false;
    bool settingText_ = false;
};

} // namespace vennor
