// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QWidget;

namespace vennor {

// One request for the platform's open or save dialog, as FileDialog hands it over.
struct FileDialogRequest
{
    enum class Kind { Open, Save };

    Kind kind = Kind::Open;
    QWidget* owner = nullptr;
    QString title;
    QString filter;      // description and pattern pairs, NUL separated, two NULs at the end
    int filterIndex = 1; // 1-based
    QString startFolder;
    QString fileName; // the proposed name
    QString defaultExt;
    quint32 flags = 0;
    int maxFileSize = 260;
};

// What the dialog returns when the user confirmed a file.
struct FileDialogResult
{
    QString path;
    int filterIndex = 1;
    quint32 flags = 0;
};

// Shows the dialog and waits; nullopt when the user cancelled or the dialog failed.
using FileDialogRunner = std::function<std::optional<FileDialogResult>(const FileDialogRequest&)>;

// The runner every request goes through: QFileDialog, unless a test installed its own.
std::optional<FileDialogResult> runFileDialog(const FileDialogRequest& request);

// Test seam: while set, requests go to the given runner instead; an empty one restores
// QFileDialog.
void setFileDialogRunner(FileDialogRunner runner);

// The option bits of a request; their values are the ones the phone book's backup passes as
// whole numbers (0x2A4006 to save, 0x2A5006 to open), so they stay as they are.
namespace fileDialogOption {
inline constexpr quint32 confirmOverwrite = 0x2;
inline constexpr quint32 hideReadOnly = 0x4;
inline constexpr quint32 fileMustExist = 0x1000;
inline constexpr quint32 shareAware = 0x4000;
inline constexpr quint32 noNetworkButton = 0x20000;
inline constexpr quint32 explorerStyle = 0x80000;
inline constexpr quint32 longNames = 0x200000;
} // namespace fileDialogOption

// The filter pairs in QFileDialog's form: "Description (pattern)".
QStringList qtNameFilters(const QString& storedFilter);

} // namespace vennor
