// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The key mapping reader on any file, against a plain reading of the rules: split
// the file into lines, and for each key in key-number order take the first line
// whose first field is its code and whose fields 2 to 4 are not empty (a UTF-8
// byte-order mark at the head is no part of the first line).
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "keyboard/key_mapping.h"
#include "keyboard/key_table.h"

using namespace teclarium;

namespace {

std::vector<std::string> Lines(std::string_view text) {
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') {
            line += text[i];
            continue;
        }
        lines.push_back(line);
        line.clear();
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

std::string Field(std::string& rest) {
    const std::size_t space = rest.find(' ');
    std::string field = rest.substr(0, space);
    rest = space == std::string::npos ? std::string() : rest.substr(space + 1);
    return field;
}

TKeyCharsList Reference(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);  // an editor's byte-order mark
    const std::vector<std::string> lines = Lines(text);
    TKeyCharsList keys;
    for (int number = 1; number <= kCharKeyCount; ++number) {
        const std::string code = std::to_string(kKeyCodes[std::size_t(number)]);
        for (std::string rest : lines) {
            if (Field(rest) != code) continue;
            const std::string hand = Field(rest), plain = Field(rest), shifted = Field(rest);
            if (hand.empty() || plain.empty() || shifted.empty()) continue;
            TKeyChars k;
            k.KeyCode = kKeyCodes[std::size_t(number)];
            k.KeyNumber = number;
            k.RightHand = hand[0] == 'R';
            k.Plain = static_cast<unsigned char>(plain[0]);
            k.Shifted = static_cast<unsigned char>(shifted[0]);
            k.AltGr = rest.empty() ? 0 : static_cast<unsigned char>(rest[0]);
            keys.push_back(k);
            break;
        }
    }
    return keys;
}

bool Same(const TKeyChars& a, const TKeyChars& b) {
    return a.KeyCode == b.KeyCode && a.KeyNumber == b.KeyNumber && a.RightHand == b.RightHand &&
           a.Plain == b.Plain && a.Shifted == b.Shifted && a.AltGr == b.AltGr;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = Bytes(data, size);
    const TKeyCharsList keys = ReadKeyMapping(text);
    FUZZ_CHECK(keys.size() <= std::size_t(kCharKeyCount));
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const TKeyChars& k = keys[i];
        FUZZ_CHECK(k.KeyNumber >= 1 && k.KeyNumber <= kCharKeyCount);
        FUZZ_CHECK(k.KeyCode == kKeyCodes[std::size_t(k.KeyNumber)]);
        FUZZ_CHECK(i == 0 || keys[i - 1].KeyNumber < k.KeyNumber);  // key order, no key twice
        for (unsigned char c : {k.Plain, k.Shifted})
            FUZZ_CHECK(c != 0 || text.find('\0') != std::string_view::npos);
        for (unsigned char c : {k.Plain, k.Shifted, k.AltGr}) FUZZ_CHECK(c != '\r' && c != '\n');
        FUZZ_CHECK(k.Plain != ' ' && k.Shifted != ' ');
    }
    const TKeyCharsList expected = Reference(text);
    FUZZ_CHECK(keys.size() == expected.size());
    for (std::size_t i = 0; i < keys.size(); ++i) FUZZ_CHECK(Same(keys[i], expected[i]));
    return 0;
}
