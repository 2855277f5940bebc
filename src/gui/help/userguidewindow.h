// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class QTextBrowser;

namespace vennor {

// The user guide, shown inside the program in a window of its own beside the main window.
// The main window owns the one instance; Help Topics shows it again where the user left it.
class UserGuideWindow : public QWidget
{
    Q_OBJECT

public:
    explicit UserGuideWindow(QWidget* owner);

    // Shows the owner's guide window, making it first when there is none, and brings it up.
    static UserGuideWindow* showFor(QWidget* owner);

    QTextBrowser* browser() const { return browser_; }

private:
    QTextBrowser* browser_;
};

} // namespace vennor
