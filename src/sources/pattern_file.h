// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The character pattern file CharsToType.txt: one pattern a line, "name<TAB>chars".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace teclarium {

// Far above any real pattern file; a larger one is refused before it is read.
inline constexpr std::uint64_t kPatternFileMaxBytes = 8u << 20;

struct TPatternFile {
    // Names of the accepted lines, in file order (Windows-1252 bytes).
    std::vector<std::string> Names;
    // All lines as read; empty when a bad line was found.
    std::vector<std::string> Lines;
    // The message about the first bad line (UTF-8), empty when every line is good.
    std::string PatternError;
};

// Checks the lines of the file's content in order and stops at the first bad one:
// no later line is looked at. Every line is offered, however many there are: the
// list is not limited to 256.
TPatternFile ParsePatternFile(std::string_view content);

// The reason why a line is not a pattern, or empty when it is one.
std::string_view PatternLineFault(std::string_view line);

// The characters of a pattern line: everything after its first TAB.
std::string PatternChars(std::string_view line);

}  // namespace teclarium
