// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "util/atomic_write.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "util/file_descriptor.h"
#include "util/files.h"
#include "util/shared_folder.h"
#include "util/text.h"

namespace teclarium {
namespace {

// The letters and digits that mkstemp puts in place of its six X.
constexpr std::size_t kTemporaryUniqueLength = 6;

// The file the path names: through a symbolic link, its target, so that replacing
// the file keeps the link.
std::string RealPath(const std::string& path) {
    char* real = ::realpath(path.c_str(), nullptr);
    if (!real) return path;
    std::string result(real);
    std::free(real);
    return result;
}

// The permissions of a newly made file.
mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool IsTemporaryName(std::string_view name) {
    if (!name.starts_with(kTemporaryPrefix)) return false;
    name.remove_prefix(kTemporaryPrefix.size());
    if (name.size() != kTemporaryUniqueLength) return false;
    for (const char ch : name)
        if (!((ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9'))) return false;
    return true;
}

// Why the file, as the name in its folder finds it, must not be replaced; empty when
// it may be or when nothing lies there.
std::string_view RefusalInFolder(const std::string& path) {
    struct stat folder {
    }, file{};
    if (::stat(FolderOf(path).c_str(), &folder) != 0 || ::lstat(path.c_str(), &file) != 0) return {};
    return FileRefusal(folder, file);
}

// The new name's folder on the disk as well, so that a crash after the rename keeps
// it. A file system that cannot flush a folder has the file all the same.
void SyncFolder(const std::string& path) {
    const TFileDescriptor folder(::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.valid()) ::fsync(folder.get());
}

}  // namespace

std::string_view WriteFileRefusal(const std::string& fileName) {
    if (const std::string_view refusal = RefusalInFolder(fileName); !refusal.empty()) return refusal;
    // A link of the user's own leads to a file that is checked in its own folder.
    const std::string path = RealPath(fileName);
    return path == fileName ? std::string_view() : RefusalInFolder(path);
}

bool WriteFileAtomically(const std::string& fileName, std::string_view bytes, TRenameStep rename) {
    if (!WriteFileRefusal(fileName).empty()) return false;
    const std::string path = RealPath(fileName);
    struct stat st {};
    const bool exists = ::stat(path.c_str(), &st) == 0;
    // The rename would put a regular file in place of a device node or a FIFO.
    if (exists && !S_ISREG(st.st_mode)) return false;
    // A short name of its own, so that any file name that fits the folder can be written.
    std::string temporary = path.substr(0, path.find_last_of('/') + 1) + std::string(kTemporaryPrefix) +
                            std::string(kTemporaryUniqueLength, 'X');
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) return false;
    bool ok = ::fchmod(fd, exists ? st.st_mode & 07777 : NewFileMode()) == 0 && WriteAllBytes(fd, bytes) &&
              ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && (rename ? rename : &std::rename)(temporary.c_str(), path.c_str()) == 0;
    if (!ok)
        ::unlink(temporary.c_str());
    else
        SyncFolder(path);
    return ok;
}

int RemoveStaleTemporaryFiles(const std::string& folder, std::int64_t now) {
    const std::string prefix = WithTrailingBackslash(folder.empty() ? "." : folder);
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(prefix.c_str()), &::closedir);
    if (!dir) return 0;
    int removed = 0;
    while (const dirent* entry = ::readdir(dir.get())) {
        if (!IsTemporaryName(entry->d_name)) continue;
        const std::string path = prefix + entry->d_name;
        struct stat st {};
        // Not through a link, never a folder or anything else of that name, and never
        // another user's file in a shared folder.
        if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid() ||
            now - st.st_mtime <= kStaleTemporarySeconds)
            continue;
        if (::unlink(path.c_str()) == 0) ++removed;
    }
    return removed;
}

}  // namespace teclarium
