// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// Drill words from ordinary text: the lines of an exercise file (*.tcm) or of the
// clipboard. A word is a run of characters other than space and TAB; only words of
// 1 to 10 characters are used, and each line's words are added repeatLine + 2 times.
// A word holding a control byte (below space: NUL, a lone CR, or 0x1A for a
// character that Windows-1252 cannot hold) can be neither shown nor typed: it is
// left out, as a word that is too long is.
#pragma once

#include <QString>
#include <cstdint>
#include <string>
#include <string_view>

#include "drill/word_list.h"

namespace teclarium {

inline constexpr std::size_t kMaxWordLength = 10;
// Far above any real exercise; a larger file is refused before it is read.
inline constexpr std::uint64_t kExerciseMaxBytes = 128u << 20;

// The most words a drill may hold, every pass counted (8 bytes each, their letters
// shared): a month of typing at a hundred words a minute all day, long before which
// memory would run out.
inline constexpr std::uint64_t kMaxDrillWords = 16u << 20;

// Number of times a line's words are added for the line-repetition count.
inline unsigned LinePasses(unsigned repeatLine) {
    return repeatLine + 2;
}

// The words of an exercise file's content (CR LF, lone CR or lone LF end a line).
// Throws TAppError naming the file when they would be more than kMaxDrillWords.
TWordList ExerciseWords(std::string_view content, unsigned repeatLine, std::string_view fileName);

// The words of clipboard text. CR LF or a lone LF ends a line, as Linux programs
// separate lines with LF; a lone CR stays inside its line. Throws TAppError when
// they would be more than kMaxDrillWords.
TWordList ClipboardWords(std::string_view text, unsigned repeatLine);

// The clipboard's text as Windows-1252 bytes. Decomposed accents (a letter and a
// combining mark, as PDF readers copy them) are composed first, so that they
// become the one byte that a key types.
std::string ClipboardAnsi(const QString& text);

}  // namespace teclarium
