#include "sources/exercise_words.h"

#include "util/text.h"

namespace teclarium {
namespace {

bool IsDelimiter(char c) {
    return c == ' ' || c == '\t';
}

// Calls f for each suitable word of the line, in order.
template <typename F>
void ForEachWord(std::string_view line, F f) {
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && IsDelimiter(line[i])) ++i;
        const std::size_t start = i;
        while (i < line.size() && !IsDelimiter(line[i])) ++i;
        const std::size_t length = i - start;
        if (length >= 1 && length <= kMaxWordLength) f(line.substr(start, length));
    }
}

// The words of all lines. They are counted first so that the list is allocated
// once: a large text with many passes must not pay for the list's regrowth.
TWordList LinesWords(const std::vector<std::string_view>& lines, unsigned repeatLine) {
    std::size_t count = 0, bytes = 0;
    for (std::string_view line : lines)
        ForEachWord(line, [&](std::string_view word) {
            ++count;
            bytes += word.size();
        });
    TWordList words;
    words.reserve(count * LinePasses(repeatLine), bytes);
    for (std::string_view line : lines) AddLineWords(words, line, repeatLine);
    return words;
}

}  // namespace

void AddLineWords(TWordList& words, std::string_view line, unsigned repeatLine) {
    const std::size_t first = words.size();
    ForEachWord(line, [&](std::string_view word) { words.push_back(word); });
    const std::size_t last = words.size();
    for (unsigned pass = 1; pass < LinePasses(repeatLine); ++pass) words.Repeat(first, last);
}

TWordList ExerciseWords(std::string_view content, unsigned repeatLine) {
    return LinesWords(SplitLineViews(content), repeatLine);
}

std::vector<std::string_view> SplitClipboardLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = text.find('\n'); i != std::string_view::npos; i = text.find('\n', start)) {
        const std::size_t end = i > start && text[i - 1] == '\r' ? i - 1 : i;
        lines.push_back(text.substr(start, end - start));
        start = i + 1;
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

TWordList ClipboardWords(std::string_view text, unsigned repeatLine) {
    return LinesWords(SplitClipboardLines(text), repeatLine);
}

}  // namespace teclarium
