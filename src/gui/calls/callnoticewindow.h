// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/callnotice.h"

#include <QWidget>

namespace vennor {

// Stands in for the desktop's notification where no notification service runs: a small window
// in the screen's corner that leaves the keyboard where it was, with the notice's text and
// actions; it closes itself after a while, on its close button or on an action.
class CallNoticeWindow : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kShownMs = 30000;

    // Stays above parent (the main window) and on its screen.
    CallNoticeWindow(const CallNotice& notice, QWidget* parent);

signals:
    void showRequested();
    void addRequested();

private:
    void placeInCorner();
};

} // namespace vennor
