// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "settings/users.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <memory>

#include "util/text.h"

namespace teclarium {
namespace {

constexpr std::string_view kFilteredUserChars = ".:/|\\?<>\"";
// Characters that one of the usual file systems refuses in a file name.
constexpr std::string_view kFileNameForbidden = "/\\:*?\"<>|";
constexpr std::size_t kMaxFileNameBytes = 255;

bool IsDirectory(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

std::vector<std::string> ListUserNames(const std::string& folder, std::string_view programName) {
    std::vector<std::string> names;
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.empty() ? "." : folder.c_str()),
                                                  &::closedir);
    if (!dir) return names;
    const std::string prefix = folder.empty() ? std::string() : WithTrailingBackslash(folder);
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string_view file = entry->d_name;
        if (!file.ends_with(kUserFileExtension) || IsDirectory(prefix + std::string(file))) continue;
        std::string name = BareFileName(file);
        // The shared file, and a name that could never be accepted, are no users.
        if (CheckUserName(name, programName).empty()) names.push_back(std::move(name));
    }
    return names;
}

bool IsFilteredUserChar(char ch) {
    return ch != 0 && kFilteredUserChars.find(ch) != std::string_view::npos;
}

std::string CheckUserName(std::string_view name, std::string_view programName) {
    if (name.empty()) return kMsgNoUserName;
    if (AsciiUpperCase(name) == AsciiUpperCase(programName)) return kMsgInvalidUserName;
    // Every file of the user must be possible, the longest name too.
    const std::size_t longestExtension =
        std::max({std::string_view(kUserFileExtension).size(), std::string_view(kHistoryFileExtension).size(),
                  std::string_view(kCourseStateExtension).size()});
    if (name == "." || name == ".." || name.size() + longestExtension > kMaxFileNameBytes)
        return kMsgInvalidUserName;
    for (const char ch : name) {
        const auto byte = static_cast<unsigned char>(ch);
        if (byte < 0x20 || byte == 0x7F || kFileNameForbidden.find(ch) != std::string_view::npos)
            return kMsgInvalidUserName;
    }
    return {};
}

void TUserSwitch::SetSeveralUsers(bool value) {
    FSeveralUsers = value;
    FOps.SetMenuChecked(value);
    // Switched off, the shared file becomes the settings file; the user's name is
    // kept for switching on again.
    if (!value) return;
    // The settings in use go to the previous user's file before another is chosen.
    if (!FUserName.empty()) FOps.SaveSettings();
    if (std::optional<std::string> name = FOps.AskUser()) {
        FUserName = std::move(*name);
        FOps.LoadSettings();
        return;
    }
    FUserName.clear();
    if (FOps.Confirm(kMsgDisableSeveralUsers)) SetSeveralUsers(false);
}

}  // namespace teclarium
