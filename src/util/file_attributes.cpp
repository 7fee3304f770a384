#include "util/file_attributes.h"

#include <sys/stat.h>
#include <sys/statvfs.h>

#include "util/files.h"
#include "util/messages.h"

namespace teclarium {

bool IsReadOnly(const std::string& fileName) {
    struct stat st {};
    return FileExists(fileName) && ::stat(fileName.c_str(), &st) == 0 && (st.st_mode & S_IWUSR) == 0;
}

bool ClearReadOnly(const std::string& fileName) {
    struct stat st {};
    if (!FileExists(fileName) || ::stat(fileName.c_str(), &st) != 0) return true;
    if (st.st_mode & S_IWUSR) return true;
    return ::chmod(fileName.c_str(), (st.st_mode & 07777) | S_IWUSR) == 0;
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
