// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "keyboard/key_mapping.h"

#include <array>

#include "keyboard/key_table.h"
#include "util/codec.h"
#include "util/text.h"

namespace teclarium {
namespace {

// The key number whose code the field is, written as the file writes codes:
// decimal, no sign, no leading zeros. 0 when it is no character key's code.
int KeyNumberOfField(std::string_view field) {
    if (field.empty() || field.size() > 3 || (field.size() > 1 && field[0] == '0')) return 0;
    int code = 0;
    for (char c : field) {
        if (c < '0' || c > '9') return 0;
        code = code * 10 + (c - '0');
    }
    return KeyNumberOfCode(code);
}

// The reading of a line by fields separated by single spaces: code, hand, plain,
// shifted, and what is left as the AltGr field. Only the first character of fields
// 2 to 5 counts. A line with fewer than four fields or an empty one among them has
// no reading (KeyNumber 0).
TKeyChars ReadLine(std::string_view line) {
    TKeyChars k;
    const int number = KeyNumberOfField(SplitAtDelimiter(line, " "));
    if (number == 0) return k;
    const std::string_view hand = SplitAtDelimiter(line, " ");
    const std::string_view plain = SplitAtDelimiter(line, " ");
    const std::string_view shifted = SplitAtDelimiter(line, " ");
    if (hand.empty() || plain.empty() || shifted.empty()) return k;
    k.KeyCode = kKeyCodes[static_cast<std::size_t>(number)];
    k.KeyNumber = number;
    k.RightHand = hand[0] == 'R';
    k.Plain = static_cast<unsigned char>(plain[0]);
    k.Shifted = static_cast<unsigned char>(shifted[0]);
    k.AltGr = line.empty() ? 0 : static_cast<unsigned char>(line[0]);
    k.DeadLevels = SpanishDeadLevels(k);
    return k;
}

}  // namespace

TKeyCharsList ReadKeyMapping(std::string_view fileBytes) {
    // One pass over the lines; each key keeps the first line that reads for it,
    // and once every key has one the rest of the file is not looked at.
    std::array<TKeyChars, kCharKeyCount + 1> byNumber{};
    int found = 0;
    ForEachLine(SkipByteOrderMark(fileBytes), [&](std::string_view line) {
        if (line.empty()) return true;
        const TKeyChars k = ReadLine(line);
        if (k.KeyNumber != 0 && byNumber[static_cast<std::size_t>(k.KeyNumber)].KeyNumber == 0) {
            byNumber[static_cast<std::size_t>(k.KeyNumber)] = k;
            ++found;
        }
        return found < kCharKeyCount;
    });
    TKeyCharsList keys;
    keys.reserve(static_cast<std::size_t>(found));
    for (const TKeyChars& k : byNumber)
        if (k.KeyNumber != 0) keys.push_back(k);
    return keys;
}

}  // namespace teclarium
