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

    // The settings folder, with its delimiter; empty when unknown.
    const std::string& ProgramDir() const { return FProgramDir; }
    const std::string& ProgramName() const { return FProgramName; }
    // ProgramDir() + ProgramName() + ".ini".
    const std::string& IniFileName() const { return FIniFileName; }
    // Data files and help, with its delimiter.
    const std::string& DataDir() const { return FDataDir; }
    // DataDir() + ProgramName() + ".html".
    const std::string& HelpFileName() const { return FHelpFileName; }
    // The shared settings file, between OpenIniFile and CloseIniFile.
    TNewIniFile& IniFile() const { return *FIniFile; }

  private:
    std::string FProgramDir;
    std::string FProgramName;
    std::string FIniFileName;
    std::string FDataDir;
    std::string FHelpFileName;
    std::unique_ptr<TNewIniFile> FIniFile;
};

}  // namespace teclarium
