// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "util/shared_folder.h"

#include <unistd.h>

namespace teclarium {
namespace {

// A folder given to a group on purpose: the class shares it, others do not write it.
bool IsClassFolder(const struct stat& folder) {
    return (folder.st_mode & S_ISGID) && (folder.st_mode & S_IWGRP) && !(folder.st_mode & S_IWOTH);
}

}  // namespace

bool IsSharedFolder(const struct stat& folder) {
    return (folder.st_mode & (S_IWGRP | S_IWOTH)) || (folder.st_uid != ::geteuid() && folder.st_uid != 0);
}

std::string_view FileRefusal(const struct stat& folder, const struct stat& file) {
    if (!IsSharedFolder(folder)) return {};
    if (S_ISLNK(file.st_mode)) return kMsgRefusedLink;
    if (file.st_nlink > 1) return kMsgRefusedHardLink;
    if (file.st_uid == ::geteuid()) return {};
    if (IsClassFolder(folder) && file.st_gid == folder.st_gid && (file.st_mode & S_IWGRP)) return {};
    return kMsgRefusedOthersFile;
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace teclarium
