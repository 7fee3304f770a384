// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// Files in a folder that other users may write too (a class's shared folder). Anyone
// who can write there may put a link or a file of their own in a file's place: the
// program must never be led by it to write into a file anywhere else.
//
// A folder is shared when someone else may write it: it is not ours (nor root's), or
// its group or others may write it (an access list that lets a user write sets the
// group bit too). In a shared folder no link is written through, no file with a second
// name (a hard link) is written, and a file of another user is written only in a class
// folder: one given to a group on purpose (the set-group-ID bit, writable by the group,
// not by others), when the file belongs to that group and the group may write it.
#pragma once

#include <sys/stat.h>

#include <string>
#include <string_view>

namespace teclarium {

inline constexpr std::string_view kMsgRefusedLink =
    "No s'escriu al fitxer %s: és un enllaç en una carpeta on també poden escriure altres usuaris, i podria "
    "portar al fitxer d'una altra persona";
inline constexpr std::string_view kMsgRefusedHardLink =
    "No s'escriu al fitxer %s: té més d'un nom en una carpeta on també poden escriure altres usuaris, i "
    "podria "
    "ser el fitxer d'una altra persona";
inline constexpr std::string_view kMsgRefusedOthersFile =
    "No s'escriu al fitxer %s: és d'un altre usuari, en una carpeta on també poden escriure altres usuaris "
    "i que no és la carpeta d'un grup (una carpeta de classe: del grup, amb el bit set-group-ID i sense "
    "escriptura per a tothom)";

bool IsSharedFolder(const struct stat& folder);
// Why the file (as lstat sees it) must not be written in that folder: a message with
// %s for the file's name, empty when it may be.
std::string_view FileRefusal(const struct stat& folder, const struct stat& file);
// The folder that holds the file (its path up to the last delimiter; "." without one).
std::string FolderOf(const std::string& path);

}  // namespace teclarium
