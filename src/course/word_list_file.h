// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The course's word list: real Catalan words, one lower-case word a line, the most
// frequent first (Windows-1252).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace teclarium {

// Far above any real word list (a few hundred KB).
inline constexpr std::uint64_t kWordListMaxBytes = 32u << 20;
// Longer words are never drilled.
inline constexpr std::size_t kLessonWordMaxLength = 10;

struct TWordListFile {
    std::vector<std::string> Words;  // in file order, those of 1 to 10 characters
    std::string Error;               // the message about the first bad line (UTF-8)
};

// The words of the content, empty lines skipped; a line that holds a byte that
// cannot be drilled is a bad line, named with its number, and no word is kept. A
// UTF-8 file is refused.
TWordListFile ParseWordList(std::string_view content, std::string_view fileName);
// Reads the file; a missing or unreadable one gives its message in Error.
TWordListFile ReadWordList(const std::string& path);

}  // namespace teclarium
