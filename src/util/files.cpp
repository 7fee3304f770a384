#include "util/files.h"

#include <sys/stat.h>

#include <fstream>
#include <iterator>

#include "util/app_error.h"
#include "util/messages.h"

namespace teclarium {

bool FileExists(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::string ReadWholeFile(const std::string& path) {
    struct stat st {};
    std::ifstream in;
    if (::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) in.open(path, std::ios::binary);
    if (!in.is_open()) throw TAppError(Format(kMsgCannotOpenFile, path));
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(st.st_size));
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad()) throw TAppError(Format(kMsgCannotOpenFile, path));
    return bytes;
}

void WriteWholeFile(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (out.is_open()) out.write(bytes.data(), std::streamsize(bytes.size()));
    if (!out.is_open() || !out.flush()) throw TAppError(Format(kMsgCannotCreateFile, path));
}

}  // namespace teclarium
