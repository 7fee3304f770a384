// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The pattern file reader on any file, and the generator on each accepted pattern:
// the reader keeps the lines up to the first bad one and names that one; the
// generator gives n groups of k characters of the pattern, no character after
// itself, and with distinct pattern characters no repeat within a group shorter
// than the pattern.
#include <string>

#include "fuzz_check.h"
#include "sources/pattern_file.h"
#include "sources/random_words.h"

using namespace teclarium;

namespace {

void CheckGenerator(const std::string& chars, std::uint32_t seed) {
    const std::size_t k = 2 + seed % 8;          // 2 to 9, as the spin edit allows
    const std::size_t n = 2 + (seed >> 8) % 98;  // 2 to 99
    const std::vector<std::string> words = GenerateRandomWords(chars, k, n, seed);
    FUZZ_CHECK(words.size() == n);
    bool distinct = true;
    for (std::size_t i = 0; i < chars.size() && distinct; ++i)
        distinct = chars.find(chars[i], i + 1) == std::string::npos;
    char prev = 0;
    bool havePrev = false;
    for (const std::string& word : words) {
        FUZZ_CHECK(word.size() == k);
        for (std::size_t c = 0; c < word.size(); ++c) {
            FUZZ_CHECK(chars.find(word[c]) != std::string::npos);
            if (distinct) {
                FUZZ_CHECK(!havePrev || word[c] != prev);
                if (c < chars.size()) FUZZ_CHECK(word.find(word[c]) == c);
            }
            prev = word[c];
            havePrev = true;
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view content = Bytes(data, size);
    const TPatternFile file = ParsePatternFile(content);
    if (file.PatternError.empty()) {
        FUZZ_CHECK(file.Lines.size() == file.Names.size());
    } else {
        FUZZ_CHECK(file.Lines.empty());
        // The message names the line after the last accepted one, counted from 0.
        const std::string where = "a la l\xC3\xADnia " + std::to_string(file.Names.size()) + " de ";
        FUZZ_CHECK(file.PatternError.find(where) != std::string::npos);
    }
    for (std::size_t i = 0; i < file.Lines.size(); ++i) {
        const std::string& line = file.Lines[i];
        FUZZ_CHECK(PatternLineFault(line).empty());
        FUZZ_CHECK(line.find_first_of("\r\n") == std::string::npos);
        FUZZ_CHECK(line.substr(0, line.find('\t')) == file.Names[i]);
        const std::string chars = PatternChars(line);
        FUZZ_CHECK(chars.size() >= 3 && chars.find(' ') == std::string::npos);
        if (i < 4) CheckGenerator(chars, std::uint32_t(size * 2654435761u + i));
    }
    return 0;
}
