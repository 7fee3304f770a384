// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// Users: in several-users mode each user keeps their settings in a file of their
// own, named after them, in the settings folder. A user is only a name; the known
// users are the settings files of that folder. Names are file-name text (UTF-8).
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace teclarium {

inline constexpr const char* kMsgNoUserName = "Heu d'escriure o escollir el nom que us identifiqui";
inline constexpr const char* kMsgInvalidUserName = "Nom invàlid";
inline constexpr const char* kMsgDisableSeveralUsers = "Desactivar l'opció de diferents usuaris?";
inline constexpr const char* kUserFileExtension = ".ini";
// Each user's drill history lies beside their settings file under this extension.
inline constexpr const char* kHistoryFileExtension = ".hist";
// And the keys learned in the course under this one.
inline constexpr const char* kCourseStateExtension = ".curs";

// The users of a folder: the names of its *.ini files without the extension, in
// the order the file system gives them, leaving out the shared file (the program's
// own name, in any case of letters) and names that CheckUserName refuses.
std::vector<std::string> ListUserNames(const std::string& folder, std::string_view programName);

// The nine characters that typing a user name discards.
bool IsFilteredUserChar(char ch);

// Empty when the name may be accepted, else the message that refuses it: no name,
// the program's own name, or a name that is no plain file name of this folder (a
// path separator, a control character, a character some file system refuses,
// "." or "..", or too long for a file name with any extension of a user's files).
std::string CheckUserName(std::string_view name, std::string_view programName);

// Switches several-users mode on the window's own fields, through the window's
// operations: the settings load and save follow the current settings file, which
// the two fields choose.
class TUserSwitch {
  public:
    struct TOperations {
        std::function<void()> SaveSettings;
        std::function<void()> LoadSettings;
        // The user dialog: the name accepted, or nothing on Cancel.
        std::function<std::optional<std::string>()> AskUser;
        std::function<bool(const std::string& question)> Confirm;
        std::function<void(bool checked)> SetMenuChecked;
    };

    TUserSwitch(bool& severalUsers, std::string& userName, TOperations operations)
        : FSeveralUsers(severalUsers), FUserName(userName), FOps(std::move(operations)) {}

    void SetSeveralUsers(bool value);

  private:
    bool& FSeveralUsers;
    std::string& FUserName;
    TOperations FOps;
};

}  // namespace teclarium
