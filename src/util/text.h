// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// Byte-string helpers shared by the whole program. All text is single-byte
// Windows-1252: lengths and positions count bytes.
#pragma once

#include <string>
#include <string_view>

namespace teclarium {

// Cuts text at the first occurrence of delimiter: head gets what precedes it and
// text keeps what follows. Without the delimiter, head gets all and text empties.
void SplitAtDelimiter(std::string& text, std::string_view delimiter, std::string& head);
// The same cut on a view: returns the head and leaves what follows in text.
std::string_view SplitAtDelimiter(std::string_view& text, std::string_view delimiter);

// Collects, from the 1-based position pos, the run of characters that are in set
// (inSet) or outside it (!inSet). pos becomes the 1-based position where the run
// stopped, or 0 when the run reached the end of the text.
std::string ScanRun(std::string_view text, std::size_t& pos, std::string_view set, bool inSet);

// Skips leading delimiters, takes the following word, and removes the word and the
// delimiters after it from text. A text of delimiters only gives an empty word.
void ExtractWord(std::string& text, std::string_view delimiters, std::string& word);

// Last component of a path without its extension (from the last dot on). A name
// whose only dot is its first character stays whole.
std::string BareFileName(std::string_view path);

// The text with its ASCII letters in upper case (other bytes unchanged).
std::string AsciiUpperCase(std::string_view text);

// Appends the path delimiter unless the folder already ends with one.
std::string WithTrailingBackslash(std::string_view folder);

// Calls f with each line of a text file, in order, as a view into text: CR LF, a
// lone CR or a lone LF ends a line; a line break at the very end adds no further
// line. f returns false to stop. One walk; nothing is kept per line.
template <typename F>
void ForEachLine(std::string_view text, F f) {
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n') continue;
        if (!f(text.substr(start, i - start))) return;
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) f(text.substr(start));
}

}  // namespace teclarium
