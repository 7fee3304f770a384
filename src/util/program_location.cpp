// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "util/program_location.h"

#include <unistd.h>

#include <vector>

#include "util/files.h"
#include "util/text.h"

namespace teclarium {
namespace {

// The full path of the running program's file, or empty.
std::string ProgramPath() {
    std::vector<char> buffer(256);
    for (;;) {
        const ssize_t size = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (size < 0) return {};
        if (static_cast<std::size_t>(size) < buffer.size()) return std::string(buffer.data(), size);
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace

void GetProgramLocation(std::string& folder, std::string& bareName) {
    folder.clear();
    bareName.clear();
    // A program file replaced or removed while running reads as "<path> (deleted)":
    // it is then not found on disk.
    const std::string path = ProgramPath();
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos || !FileExists(path)) return;
    folder = WithTrailingBackslash(std::string_view(path).substr(0, slash));
    bareName = BareFileName(path);
}

std::string ProgramFolder() {
    std::string folder, bareName;
    GetProgramLocation(folder, bareName);
    return folder;
}

}  // namespace teclarium
