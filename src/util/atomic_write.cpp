#include "util/atomic_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "util/files.h"

namespace teclarium {
namespace {

// The file the path names: through a symbolic link, its target, so that replacing
// the file keeps the link.
std::string RealPath(const std::string& path) {
    char* real = ::realpath(path.c_str(), nullptr);
    if (!real) return path;
    std::string result(real);
    std::free(real);
    return result;
}

// The permissions the new file gets: the old file's, or those of a newly made file.
mode_t NewFileMode(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

bool WriteFileAtomically(const std::string& fileName, std::string_view bytes, TRenameStep rename) {
    const std::string path = RealPath(fileName);
    // A short name of its own, so that any file name that fits the folder can be written.
    std::string temporary = path.substr(0, path.find_last_of('/') + 1) + ".teclarium-XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) return false;
    bool ok = ::fchmod(fd, NewFileMode(path)) == 0 && WriteAllBytes(fd, bytes) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && (rename ? rename : &std::rename)(temporary.c_str(), path.c_str()) == 0;
    if (!ok) ::unlink(temporary.c_str());
    return ok;
}

}  // namespace teclarium
