// Byte-string helpers shared by the whole program. All text is single-byte
// Windows-1252: lengths and positions count bytes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace teclarium {

// Cuts text at the first occurrence of delimiter: head gets what precedes it and
// text keeps what follows. Without the delimiter, head gets all and text empties.
void SplitAtDelimiter(std::string& text, std::string_view delimiter, std::string& head);

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

// Lines of a text file: CR LF, a lone CR or a lone LF ends a line; a line break at
// the very end adds no further line.
std::vector<std::string> SplitLines(std::string_view text);
// The same lines as views into text (no copies, for large texts).
std::vector<std::string_view> SplitLineViews(std::string_view text);

}  // namespace teclarium
