// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <optional>

// Where the program keeps its files. Every call reads the environment afresh, so tests can
// point both folders at temporary ones.
namespace vennor::folders {

// The folder of the settings file, ending in a separator. Windows: the system folder rule
// (system\ or system32\ under the Windows directory). Elsewhere: $XDG_CONFIG_HOME/vennor/.
QString settingsFolder();

// The settings file "com.exe" in the settings folder.
QString settingsFilePath();

// The folder of the phone book files, ending in a separator. Windows: the executable's
// folder. Elsewhere: $XDG_DATA_HOME/vennor/.
QString phoneBookFolder();

// The file of the phone book called name: the phone book folder, name and ".dat". The only
// way from a name to a path: a name that could reach another folder or file (a settings file
// edited by hand, say) gives none.
std::optional<QString> phoneBookPath(const QString& name);

// Creates the folder of the given file when it is missing; false when that fails.
bool ensureFolderOf(const QString& filePath);

} // namespace vennor::folders
