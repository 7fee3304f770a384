// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// File functions. Paths are native (UTF-8) strings; contents are bytes.
#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

namespace teclarium {

inline constexpr std::uint64_t kNoSizeLimit = std::numeric_limits<std::uint64_t>::max();

bool FileExists(const std::string& path);
// The whole file as bytes, in one sized read. Throws TAppError "No es pot obrir el
// fitxer <path>" when it cannot be read whole, and the too-large message when it
// holds more than maxBytes.
std::string ReadWholeFile(const std::string& path, std::uint64_t maxBytes = kNoSizeLimit);
// Writes all the bytes to the descriptor, going on after interruptions; false on failure.
bool WriteAllBytes(int fd, std::string_view bytes);
// Replaces the file with bytes, never leaving it torn (see atomic_write.h); throws
// TAppError naming the file and why when a shared folder's rules refuse it, else
// "No es pot crear el fitxer <path>".
void WriteWholeFile(const std::string& path, std::string_view bytes);

}  // namespace teclarium
