// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The string helpers on any text: cutting at a delimiter, taking words, scanning
// runs, file names and the line walk.
#include <string>

#include "fuzz_check.h"
#include "util/text.h"

using namespace teclarium;

namespace {

// The first byte picks the delimiter's length (0 to 3), the next ones are the
// delimiter; the rest is the text.
void CheckSplit(std::string_view input) {
    const std::size_t length = input.empty() ? 0 : std::size_t(input[0]) % 4;
    if (input.size() < 1 + length) return;
    const std::string_view delimiter = input.substr(1, length);
    const std::string original(input.substr(1 + length));
    std::string text = original, head;
    SplitAtDelimiter(text, delimiter, head);
    const std::size_t at = delimiter.empty() ? std::string::npos : original.find(delimiter);
    if (at == std::string::npos) {
        FUZZ_CHECK(head == original && text.empty());
    } else {
        FUZZ_CHECK(head + std::string(delimiter) + text == original);
        FUZZ_CHECK(head.find(delimiter) == std::string::npos);
    }
}

void CheckWords(std::string_view input) {
    constexpr std::string_view kSet = " \t";
    std::string text(input);
    std::size_t taken = 0;
    while (!text.empty()) {
        const std::string before = text;
        std::string word;
        ExtractWord(text, kSet, word);
        FUZZ_CHECK(word.find_first_of(kSet) == std::string::npos);
        FUZZ_CHECK(text.size() < before.size());  // every call takes something
        FUZZ_CHECK(before.ends_with(text));
        FUZZ_CHECK(before.find(word) != std::string::npos);
        FUZZ_CHECK(text.empty() || kSet.find(text[0]) == std::string_view::npos);
        FUZZ_CHECK(!word.empty() || text.empty());
        taken += word.size();
    }
    std::size_t nonDelimiters = 0;
    for (char c : input) nonDelimiters += kSet.find(c) == std::string_view::npos;
    FUZZ_CHECK(taken == nonDelimiters);  // nothing lost, nothing made up
}

void CheckScanRun(std::string_view input) {
    std::size_t pos = 1;
    std::size_t covered = 0;
    bool inSet = true;
    while (pos != 0) {
        const std::size_t from = pos;
        const std::string run = ScanRun(input, pos, "aeiou", inSet);
        FUZZ_CHECK(run == input.substr(from - 1, run.size()));
        FUZZ_CHECK(pos == 0 || pos == from + run.size());
        for (char c : run) FUZZ_CHECK((std::string_view("aeiou").find(c) != std::string_view::npos) == inSet);
        covered += run.size();
        inSet = !inSet;
    }
    FUZZ_CHECK(covered == input.size());
}

void CheckNames(std::string_view input) {
    const std::string bare = BareFileName(input);
    FUZZ_CHECK(bare.find('/') == std::string::npos);
    FUZZ_CHECK(input.find(bare) != std::string_view::npos);
    const std::string folder = WithTrailingBackslash(input);
    FUZZ_CHECK(folder.ends_with('/') && folder.starts_with(input) && folder.size() <= input.size() + 1);
}

void CheckLines(std::string_view input) {
    std::size_t bytes = 0, lines = 0;
    ForEachLine(input, [&](std::string_view line) {
        FUZZ_CHECK(line.find_first_of("\r\n") == std::string_view::npos);
        FUZZ_CHECK(line.data() >= input.data() && line.data() + line.size() <= input.data() + input.size());
        bytes += line.size();
        ++lines;
        return true;
    });
    std::size_t breaks = 0, breakBytes = 0;
    for (std::size_t i = 0; i < input.size(); ++i) {
        if (input[i] != '\r' && input[i] != '\n') continue;
        ++breaks;
        ++breakBytes;
        if (input[i] == '\r' && i + 1 < input.size() && input[i + 1] == '\n') ++breakBytes, ++i;
    }
    FUZZ_CHECK(bytes + breakBytes == input.size());
    const bool lastOpen = !input.empty() && input.back() != '\r' && input.back() != '\n';
    FUZZ_CHECK(lines == breaks + (lastOpen ? 1 : 0));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input = Bytes(data, size);
    CheckSplit(input);
    CheckWords(input);
    CheckScanRun(input);
    CheckNames(input);
    CheckLines(input);
    return 0;
}
