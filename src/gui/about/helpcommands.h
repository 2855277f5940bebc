// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QUrl>
#include <functional>

namespace vennor {

class RecordHost;

// The Help menu's commands: the user guide inside the program, and web pages handed to the
// desktop. Failures to open a page are not reported: at worst nothing opens.
namespace help {

inline constexpr auto kLatestVersionPage = "https://vennor.example.org/download";
inline constexpr auto kMailGroupPage = "https://vennor.example.org/mailgroup";

// Help Topics: focus to the record's name box, then the user guide in its own window.
void helpTopics(RecordHost& host);
void latestVersion();
void mailGroup();

// Test seam: while set, addresses go here instead of to the desktop.
using UrlOpener = std::function<void(const QUrl&)>;
void setUrlOpener(UrlOpener opener);

} // namespace help
} // namespace vennor
