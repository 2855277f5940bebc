#pragma once

#include <QString>
#include <QUrl>
#include <functional>

namespace vennor {

class RecordHost;

// The Help menu's commands that hand a file or a web page to the desktop. Failures are not
// reported: at worst nothing opens.
namespace help {

inline constexpr auto kLatestVersionPage = "https://vennor.example.org/download";
inline constexpr auto kMailGroupPage = "https://vennor.example.org/mailgroup";

// "Vennor.Hlp" beside the executable.
QString helpFilePath();

// Help Topics: focus to the record's name box, then the help file.
void helpTopics(RecordHost& host);
void latestVersion();
void mailGroup();

// Test seam: while set, addresses go here instead of to the desktop.
using UrlOpener = std::function<void(const QUrl&)>;
void setUrlOpener(UrlOpener opener);

} // namespace help
} // namespace vennor
