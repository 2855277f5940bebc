// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>

namespace vennor {

// A one-line message that may be longer than the room for it: cut with "…" to the width it
// has, whole in its tooltip, and whole in a message box when clicked.
class StatusLine : public QLabel
{
    Q_OBJECT

public:
    explicit StatusLine(QWidget* parent = nullptr);

    void setMessage(const QString& message);
    QString message() const { return message_; }

    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void elide();

    QString message_;
};

} // namespace vennor
