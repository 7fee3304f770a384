// Drill words from ordinary text: the lines of an exercise file (*.tcm) or of the
// clipboard. A word is a run of characters other than space and TAB; only words of
// 1 to 10 characters are used, and each line's words are added repeatLine + 2 times.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "drill/word_list.h"

namespace teclarium {

inline constexpr std::size_t kMaxWordLength = 10;
inline constexpr std::string_view kWordDelimiters = " \t";

// Number of times a line's words are added for the line-repetition count.
inline unsigned LinePasses(unsigned repeatLine) {
    return repeatLine + 2;
}

// Appends the line's suitable words, passes times over, to words.
void AddLineWords(TWordList& words, std::string_view line, unsigned repeatLine);

// The words of an exercise file's content (CR LF, lone CR or lone LF end a line).
TWordList ExerciseWords(std::string_view content, unsigned repeatLine);

// The lines of clipboard text: CR LF or a lone LF ends a line, as Linux programs
// separate lines with LF; a lone CR stays inside its line.
std::vector<std::string_view> SplitClipboardLines(std::string_view text);

// The words of clipboard text.
TWordList ClipboardWords(std::string_view text, unsigned repeatLine);

}  // namespace teclarium
