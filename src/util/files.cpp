// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "util/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "util/app_error.h"
#include "util/atomic_write.h"
#include "util/file_descriptor.h"
#include "util/messages.h"

namespace teclarium {
namespace {

long long MegabytesRoundedUp(std::uint64_t bytes) {
    constexpr std::uint64_t kMegabyte = 1u << 20;
    return static_cast<long long>((bytes + kMegabyte - 1) / kMegabyte);
}

}  // namespace

bool FileExists(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::string ReadWholeFile(const std::string& path, std::uint64_t maxBytes) {
    const TFileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat st {};
    if (file.get() < 0 || ::fstat(file.get(), &st) != 0 || !S_ISREG(st.st_mode))
        throw TAppError(Format(kMsgCannotOpenFile, path));
    const auto size = static_cast<std::uint64_t>(st.st_size);
    if (size > maxBytes)
        // The numbers first: the name may hold a placeholder of its own.
        throw TAppError(Format(FormatNumber(FormatNumber(kMsgFileTooLarge, MegabytesRoundedUp(size)),
                                            MegabytesRoundedUp(maxBytes)),
                               path));
    std::string bytes(static_cast<std::size_t>(size), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t got = ::read(file.get(), bytes.data() + done, bytes.size() - done);
        if (got < 0 && errno == EINTR) continue;
        // An error, or the end before the size the file had: it changed while read.
        if (got <= 0) throw TAppError(Format(kMsgCannotOpenFile, path));
        done += static_cast<std::size_t>(got);
    }
    return bytes;
}

bool WriteAllBytes(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

void WriteWholeFile(const std::string& path, std::string_view bytes) {
    if (const std::string_view refusal = WriteFileRefusal(path); !refusal.empty())
        throw TAppError(Format(refusal, path));
    if (!WriteFileAtomically(path, bytes)) throw TAppError(Format(kMsgCannotCreateFile, path));
}

}  // namespace teclarium
