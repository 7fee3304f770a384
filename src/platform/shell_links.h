// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// Shell folders and shortcuts, as the Linux desktops know them: a shortcut is a
// freedesktop desktop entry (a ".desktop" file); the programs and start menus are
// the user's applications folder, which every desktop menu shows.
#pragma once

#include <optional>
#include <string>

namespace teclarium {

inline constexpr const char* kMsgLinkExtension = "Error: l'extensió de la drecera ha de ser .desktop";
// The program's command and the desktop entry an installation puts in the menus.
inline constexpr const char* kCommandName = "teclarium";
inline constexpr const char* kMenuEntryName = "org.teclarium.Teclarium.desktop";

class TInstApp {
  public:
    // Folder kinds.
    static constexpr int kProgramsMenu = 2;
    static constexpr int kStartMenu = 11;
    static constexpr int kDesktop = 16;
    // The result of a kind that has no folder.
    static constexpr int kUnexpected = int(0x8000FFFFu);

    // On success (0) folder := the folder's path with a trailing delimiter; otherwise
    // folder stays as it was.
    int GetSpecialFolderDir(int kind, std::string& folder) const;
    // Writes a desktop entry at linkPath that runs target (a path, or a bare command)
    // with arguments (one argument when not empty) in target's folder, replacing an existing one, and makes
    // it executable, as desktops want of launchers on the desktop. Named after the link file. A path without
    // the ".desktop" extension writes nothing and returns the message for the user (kMsgLinkExtension); a
    // failed write throws TAppError.
    [[nodiscard]] std::optional<std::string> CreateShellLink(const std::string& target,
                                                             const std::string& arguments,
                                                             const std::string& description,
                                                             const std::string& linkPath) const;
};

// Whether the program file (a path) was installed with its desktop entry: the entry
// lies in share/applications/ of the prefix above the program's folder (libexec/), so
// that the desktops' menus show the program already.
bool InstalledInMenu(const std::string& programFile);

// The text of a desktop entry (UTF-8, as the format asks). A target without a folder
// is a command found on the PATH: the entry names no working folder then.
std::string DesktopEntry(const std::string& name, const std::string& target, const std::string& arguments,
                         const std::string& description, const std::string& icon);

}  // namespace teclarium
