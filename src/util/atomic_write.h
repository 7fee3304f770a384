// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// Replacing a file's contents without ever leaving it torn or empty: the bytes go
// to a new file in the same folder, which is then renamed over the old one. A
// crash, a kill or a full disk leaves the old file or the new one.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace teclarium {

// The step that puts the new file in place (rename(2) unless a test says otherwise).
using TRenameStep = int (*)(const char* from, const char* to);

// False when the file could not be written; the old file is then untouched and
// no temporary file is left behind. A new file keeps the old one's permissions.
// Through a symbolic link the link's target is replaced; a target that exists and
// is not a regular file (a folder, a FIFO, a device) is never replaced. In a folder
// that other users may write, what WriteFileRefusal refuses is never written.
// The file's contents and then its folder are flushed to the disk.
bool WriteFileAtomically(const std::string& path, std::string_view bytes, TRenameStep rename = nullptr);

// Why the file must not be written, by the rules of shared folders (see
// shared_folder.h), for the name and, through a link of the user's own, its target:
// a message with %s for the file, empty when it may be written.
std::string_view WriteFileRefusal(const std::string& fileName);

// The name a temporary file of WriteFileAtomically starts with; six letters and
// digits follow it.
inline constexpr std::string_view kTemporaryPrefix = ".teclarium-";
// A temporary file untouched for this long is left from a write that never ended.
inline constexpr std::int64_t kStaleTemporarySeconds = 60;

// Removes from the folder (empty for the current one) the
// temporary files that a write killed before its rename left behind: regular files
// named exactly as WriteFileAtomically names them and last changed more than
// kStaleTemporarySeconds before now (seconds since 1970-01-01, UTC), so that a
// write of another copy going on at this moment keeps its file. Returns how many
// were removed; nothing is reported.
int RemoveStaleTemporaryFiles(const std::string& folder, std::int64_t now);

}  // namespace teclarium
