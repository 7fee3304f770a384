// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "util/file_attributes.h"

#include <sys/stat.h>
#include <sys/statvfs.h>

#include "util/messages.h"

namespace teclarium {
namespace {

// The file's mode, when it is an existing regular file.
bool FileMode(const std::string& fileName, mode_t& mode) {
    struct stat st {};
    if (::stat(fileName.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    mode = st.st_mode;
    return true;
}

}  // namespace

bool IsReadOnly(const std::string& fileName) {
    mode_t mode = 0;
    return FileMode(fileName, mode) && (mode & S_IWUSR) == 0;
}

bool ClearReadOnly(const std::string& fileName) {
    mode_t mode = 0;
    if (!FileMode(fileName, mode) || (mode & S_IWUSR)) return true;
    return ::chmod(fileName.c_str(), (mode & 07777) | S_IWUSR) == 0;
}

bool IsOnCdDrive(const std::string& path) {
    struct statvfs vfs {};
    if (::statvfs(path.c_str(), &vfs) != 0) {
        const std::size_t slash = path.rfind('/');
        const std::string folder = slash == std::string::npos ? "."
                                   : slash == 0               ? "/"
                                                              : path.substr(0, slash);
        if (::statvfs(folder.c_str(), &vfs) != 0) return false;
    }
    return (vfs.f_flag & ST_RDONLY) != 0;
}

TReadOnlyDecision DecideClearReadOnly(const std::string& fileName) {
    if (!IsReadOnly(fileName)) return {};
    if (IsOnCdDrive(fileName)) return {TReadOnlyAction::RefuseOnCd, Format(kMsgReadOnlyOnCd, fileName)};
    return {TReadOnlyAction::AskConfirm, Format(kMsgAskClearReadOnly, fileName)};
}

}  // namespace teclarium
