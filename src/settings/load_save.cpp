#include "settings/load_save.h"

#include <unistd.h>

#include <QDir>
#include <QStandardPaths>

#include "keyboard/key_mapping.h"
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

std::string DataFolder(const std::string& programDir) {
    if (programDir.empty() || FileExists(programDir + kKeyMappingFileName)) return programDir;
    const std::string installed = programDir + "../share/teclarium/";
    return FileExists(installed + kKeyMappingFileName) ? installed : programDir;
}

THlpIniFLoadSave::THlpIniFLoadSave() {
    std::string programDir, programName;
    GetProgramLocation(programDir, programName);
    FProgramDir = SettingsFolder(programDir);
    FProgramName = programName;
    FIniFileName = FProgramDir + FProgramName + ".ini";
    FDataDir = DataFolder(programDir);
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
