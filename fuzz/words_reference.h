// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The drill words of a text read plainly from the rules, line by line, for the
// exercise and clipboard targets to compare with.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "drill/word_list.h"
#include "fuzz_check.h"
#include "sources/exercise_words.h"

inline std::vector<std::string> ReferenceWords(const std::vector<std::string>& lines, unsigned passes) {
    std::vector<std::string> words;
    for (const std::string& line : lines) {
        std::vector<std::string> lineWords;
        std::string word;
        for (std::size_t i = 0; i <= line.size(); ++i) {
            if (i < line.size() && line[i] != ' ' && line[i] != '\t') {
                word += line[i];
                continue;
            }
            bool typeable = true;
            for (char c : word) typeable = typeable && static_cast<unsigned char>(c) >= 0x20;
            if (!word.empty() && word.size() <= 10 && typeable) lineWords.push_back(word);
            word.clear();
        }
        for (unsigned pass = 0; pass < passes; ++pass)
            words.insert(words.end(), lineWords.begin(), lineWords.end());
    }
    return words;
}

// Lines ended by any byte of breaks; CR LF is one break.
inline std::vector<std::string> ReferenceLines(std::string_view text, bool clipboard) {
    std::vector<std::string> lines(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool crlf = text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
        if (text[i] == '\n' || crlf || (!clipboard && text[i] == '\r')) {
            lines.emplace_back();
            if (crlf) ++i;
        } else {
            lines.back() += text[i];
        }
    }
    return lines;
}

// Checks the words read from text (the clipboard's line breaks or a file's) against
// the rules and the plain reading.
inline void CheckWords(const teclarium::TWordList& words, std::string_view text, bool clipboard,
                       unsigned repeatLine) {
    for (std::string_view word : words) {
        FUZZ_CHECK(!word.empty() && word.size() <= teclarium::kMaxWordLength);
        for (char c : word) FUZZ_CHECK(static_cast<unsigned char>(c) > ' ');
    }
    FUZZ_CHECK(words.ToVector() ==
               ReferenceWords(ReferenceLines(text, clipboard), teclarium::LinePasses(repeatLine)));
}
