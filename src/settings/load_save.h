// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// Where the settings live: the program's folder and name, the shared settings file
// and the help file, and the shared file while it is open.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "settings/ini_file.h"

namespace teclarium {

// The settings folder: the program's folder when it can be written, else the
// user's own data folder for the program (an installed copy under /usr).
std::string SettingsFolder(const std::string& programDir);
// Where the data files and the help lie: the program's folder when it holds the
// given data file (the key mapping), else the installed data folder
// ../share/teclarium beside bin/.
std::string DataFolder(const std::string& programDir, std::string_view dataFileName);
// Where a loadable module of the program lies: the program's folder when it holds
// it, else the installed ../lib/teclarium beside bin/.
std::string ModuleFolder(const std::string& programDir, std::string_view moduleName);

class THlpIniFLoadSave {
  public:
    // From the running program's file; the data folder is the one holding dataFileName.
    explicit THlpIniFLoadSave(std::string_view dataFileName);
    // Settings and data in the given folder (ending in a delimiter), under the given name.
    THlpIniFLoadSave(const std::string& folder, const std::string& programName);

    // Opens the shared settings file (reading it); CloseIniFile frees it unwritten.
    void OpenIniFile();
    void CloseIniFile() { FIniFile.reset(); }

    std::string FProgramDir;  // the settings folder, with its delimiter; empty when unknown
    std::string FProgramName;
    std::string FIniFileName;   // FProgramDir + FProgramName + ".ini"
    std::string FDataDir;       // data files and help, with its delimiter
    std::string FHelpFileName;  // FDataDir + FProgramName + ".html"
    std::unique_ptr<TNewIniFile> FIniFile;
};

}  // namespace teclarium
