// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "sources/exercise_words.h"

#include <vector>

#include "sources/source_texts.h"
#include "util/app_error.h"
#include "util/codec.h"
#include "util/messages.h"

namespace teclarium {
namespace {

bool IsDelimiter(char c) {
    return c == ' ' || c == '\t';
}

// Whether the byte at i ends a line: any CR or LF in a file; on the clipboard LF,
// or CR right before LF (a lone CR there is a character of the line).
bool IsLineBreak(std::string_view text, std::size_t i, bool clipboard) {
    const char c = text[i];
    if (c == '\n') return true;
    if (c != '\r') return false;
    return !clipboard || (i + 1 < text.size() && text[i + 1] == '\n');
}

// Walks text once, calling word(w) for each suitable word and lineEnd() at each
// line break. Empty lines cost one step per byte and nothing else.
template <typename Word, typename LineEnd>
void ScanWords(std::string_view text, bool clipboard, Word word, LineEnd lineEnd) {
    std::size_t i = 0;
    while (i < text.size()) {
        if (IsDelimiter(text[i])) {
            ++i;
        } else if (IsLineBreak(text, i, clipboard)) {
            lineEnd();
            ++i;
        } else {
            const std::size_t start = i;
            bool typeable = true;
            for (; i < text.size() && !IsDelimiter(text[i]) && !IsLineBreak(text, i, clipboard); ++i)
                typeable = typeable && static_cast<unsigned char>(text[i]) >= 0x20;
            if (typeable && i - start <= kMaxWordLength) word(text.substr(start, i - start));
        }
    }
}

// Refuses, before any memory is taken, a text whose words would be more than
// kMaxDrillWords over their passes; tooMany has %d the count, %d the bound, then %s the name.
void RefuseTooManyWords(std::string_view text, bool clipboard, unsigned repeatLine, std::string_view tooMany,
                        std::string_view name) {
    const std::uint64_t passes = LinePasses(repeatLine);
    // A word and its delimiter take two bytes at least: a shorter text is never counted.
    if ((text.size() / 2 + 1) * passes <= kMaxDrillWords) return;
    std::uint64_t words = 0;
    ScanWords(
        text, clipboard, [&](std::string_view) { ++words; }, [] {});
    if (words * passes <= kMaxDrillWords) return;
    throw TAppError(Format(FormatNumber(FormatNumber(tooMany, static_cast<long long>(words * passes)),
                                        static_cast<long long>(kMaxDrillWords)),
                           name));
}

// All words first, noting how many each line gave; then every line's words are
// repeated in place, so the list grows once to its final size.
TWordList TextWords(std::string_view text, bool clipboard, unsigned repeatLine) {
    TWordList words;
    std::vector<std::size_t> lineSizes;
    std::size_t lineStart = 0;
    const auto lineEnd = [&] {
        if (words.size() == lineStart) return;
        lineSizes.push_back(words.size() - lineStart);
        lineStart = words.size();
    };
    ScanWords(
        text, clipboard, [&](std::string_view w) { words.push_back(w); }, lineEnd);
    lineEnd();
    words.RepeatGroups(lineSizes, LinePasses(repeatLine));
    return words;
}

}  // namespace

TWordList ExerciseWords(std::string_view content, unsigned repeatLine, std::string_view fileName) {
    RefuseTooManyWords(content, false, repeatLine, kMsgExerciseTooManyWords, fileName);
    return TextWords(content, false, repeatLine);
}

TWordList ClipboardWords(std::string_view text, unsigned repeatLine) {
    RefuseTooManyWords(text, true, repeatLine, kMsgClipboardTooManyWords, {});
    return TextWords(text, true, repeatLine);
}

std::string ClipboardAnsi(const QString& text) {
    return ToAnsi(text.normalized(QString::NormalizationForm_C));
}

}  // namespace teclarium
