// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace vennor {

// The About box. Ok and Esc only hide it: the main window keeps the one instance, shows it
// modally again on request and closes it when the program ends.
class AboutBox : public QDialog
{
    Q_OBJECT

public:
    explicit AboutBox(QWidget* parent);

    QLabel* versionLabel_ = nullptr;
    QLabel* copyrightLabel_ = nullptr;
    QLabel* blankLabel_ = nullptr;
    QLabel* legalNoticeLabel_ = nullptr;
    QPushButton* okButton_ = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fillTexts();
};

} // namespace vennor
