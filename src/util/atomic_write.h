// Replacing a file's contents without ever leaving it torn or empty: the bytes go
// to a new file in the same folder, which is then renamed over the old one. A
// crash, a kill or a full disk leaves the old file or the new one.
#pragma once

#include <string>
#include <string_view>

namespace teclarium {

// The step that puts the new file in place (rename(2) unless a test says otherwise).
using TRenameStep = int (*)(const char* from, const char* to);

// False when the file could not be written; the old file is then untouched and
// no temporary file is left behind. A new file keeps the old one's permissions.
bool WriteFileAtomically(const std::string& path, std::string_view bytes, TRenameStep rename = nullptr);

}  // namespace teclarium
