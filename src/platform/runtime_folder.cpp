// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "platform/runtime_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

namespace teclarium {

bool IsPrivateFolder(const std::string& folder, bool create) {
    if (folder.empty() || folder.front() != '/') return false;
    if (create && ::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return false;
    struct stat status {};
    // lstat: a link put there by someone else must not lead us into their folder.
    return ::lstat(folder.c_str(), &status) == 0 && S_ISDIR(status.st_mode) && status.st_uid == ::getuid() &&
           (status.st_mode & 077) == 0;
}

std::vector<TRuntimeFolder> RuntimeFolders() {
    std::vector<TRuntimeFolder> folders;
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime)
        folders.push_back({runtime, false});
    const std::string uid = std::to_string(::getuid());
    const char* tmp = std::getenv("TMPDIR");
    folders.push_back({std::string(tmp && *tmp == '/' ? tmp : "/tmp") + "/teclarium-" + uid, true});
    // Someone else may have taken that name first: the home folder is the user's alone.
    // A home shared between computers holds one folder per computer.
    char host[256] = {};
    if (const char* home = std::getenv("HOME");
        home && *home == '/' && ::gethostname(host, sizeof host - 1) == 0)
        folders.push_back({std::string(home) + "/.teclarium-" + host, true});
    return folders;
}

}  // namespace teclarium
