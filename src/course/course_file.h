// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The course order: a data file of steps, one a line, "<characters><TAB><name>", in
// the order they are learned; lines starting with ";" are comments. A teacher may
// change it: each character belongs to one step only.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "keyboard/key_chars.h"

namespace teclarium {

// Far above any real course file (a few hundred bytes).
inline constexpr std::uint64_t kCourseFileMaxBytes = 1u << 20;

struct TCourseStep {
    std::string Chars;  // Windows-1252 bytes, each new to the course
    std::string Name;   // Windows-1252 bytes
    int Line = 0;       // its line in the file
};

struct TCourseFile {
    std::vector<TCourseStep> Steps;
    std::string Error;  // the message about the first bad line (UTF-8); empty when good
};

// A byte that can be drilled: no control character, no space, no byte that
// Windows-1252 leaves undefined.
bool IsDrillChar(unsigned char ch);

// The message about a data file's bad line (UTF-8): the file, the line's number, the reason.
std::string BadDataLine(std::string_view fileName, int line, std::string_view reason);

// The message refusing a UTF-8 data file: it names the file and the encoding it must have.
std::string RefusedUtf8(std::string_view fileName);

// The steps of the file's content (refused when it is UTF-8); fileName names it in the message about a bad
// line, after which no step is kept.
TCourseFile ParseCourseFile(std::string_view content, std::string_view fileName);

// Refuses the order when a step holds a character that the keys cannot type (see
// CanType): its message names the character.
void RefuseUntypeable(TCourseFile& file, const TKeyCharsList& keys, std::string_view fileName);

// Reads the file; a missing or unreadable one gives its message in Error.
TCourseFile ReadCourseFile(const std::string& path);

}  // namespace teclarium
