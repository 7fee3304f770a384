// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "settings/load_save.h"

#include <unistd.h>

#include <QDir>
#include <QStandardPaths>

#include "util/files.h"
#include "util/program_location.h"
#include "util/text.h"

namespace teclarium {

std::string SettingsFolder(const std::string& programDir) {
    if (programDir.empty() || ::access(programDir.c_str(), W_OK) == 0) return programDir;
    const QString own = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (own.isEmpty() || !QDir().mkpath(own)) return programDir;
    return WithTrailingBackslash(QFile::encodeName(own).toStdString());
}

namespace {

// The program's folder when it holds the file, else the installed folder (relative
// to the program's folder) when that holds it, else the program's folder.
std::string FolderHolding(const std::string& programDir, std::string_view installed,
                          std::string_view fileName) {
    if (programDir.empty() || FileExists(programDir + std::string(fileName))) return programDir;
    const std::string folder = programDir + std::string(installed);
    return FileExists(folder + std::string(fileName)) ? folder : programDir;
}

}  // namespace

std::string DataFolder(const std::string& programDir, std::string_view dataFileName) {
    return FolderHolding(programDir, "../share/teclarium/", dataFileName);
}

std::string ModuleFolder(const std::string& programDir, std::string_view moduleName) {
    return FolderHolding(programDir, "../lib/teclarium/", moduleName);
}

THlpIniFLoadSave::THlpIniFLoadSave(std::string_view dataFileName) {
    std::string programDir, programName;
    GetProgramLocation(programDir, programName);
    FProgramDir = SettingsFolder(programDir);
    FProgramName = programName;
    FIniFileName = FProgramDir + FProgramName + ".ini";
    FDataDir = DataFolder(programDir, dataFileName);
    FHelpFileName = FDataDir + FProgramName + ".html";
}

THlpIniFLoadSave::THlpIniFLoadSave(const std::string& folder, const std::string& programName)
    : FProgramDir(folder),
      FProgramName(programName),
      FIniFileName(folder + programName + ".ini"),
      FDataDir(folder),
      FHelpFileName(folder + programName + ".html") {}

void THlpIniFLoadSave::OpenIniFile() {
    FIniFile = std::make_unique<TNewIniFile>(FIniFileName);
}

}  // namespace teclarium
