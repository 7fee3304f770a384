// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// One mapped character key: its virtual-key code, hand and characters; and the list of
// a keyboard's keys with the dead-key sequences of its accented letters.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace teclarium {

struct TKeyChars {
    std::uint8_t KeyCode = 0;
    int KeyNumber = 0;  // 1..48: the key's place in the key table (stands for its panel)
    bool RightHand = false;
    unsigned char Plain = 0;
    unsigned char Shifted = 0;
    unsigned char AltGr = 0;       // 0: the key has no AltGr character
    unsigned char ShiftAltGr = 0;  // with Shift and AltGr; the key mapping file has none
    std::uint8_t DeadLevels = 0;   // bit n: level n (plain, Shift, AltGr, Shift+AltGr) is a dead key
    bool operator==(const TKeyChars&) const = default;

    // The character at level 0 (plain) to 3 (Shift+AltGr), and whether it is a dead key.
    unsigned char At(int level) const {
        return level == 0 ? Plain : level == 1 ? Shifted : level == 2 ? AltGr : ShiftAltGr;
    }
    bool DeadAt(int level) const { return (DeadLevels >> level) & 1; }
};

// The dead key and base letter of an accented letter typed in two steps.
struct TDeadKeySequence {
    unsigned char DeadKey = 0;  // 0: the character is typed with one key (or not at all)
    unsigned char Base = 0;
    bool operator==(const TDeadKeySequence&) const = default;
};
using TDeadKeyTable = std::array<TDeadKeySequence, 256>;

// The Spanish (Spain) keyboard's dead-key sequences, which go with its key mapping file.
const TDeadKeyTable& SpanishDeadKeys();
// The levels of a key of that file that are dead keys: those giving an accent of the table.
std::uint8_t SpanishDeadLevels(const TKeyChars& key);

// One entry per mapped key, in key-number order, and the keyboard's dead-key sequences
// by character (the Spanish ones unless a derived layout sets its own).
class TKeyCharsList : public std::vector<TKeyChars> {
  public:
    using std::vector<TKeyChars>::vector;
    TDeadKeyTable DeadKeys = SpanishDeadKeys();
};

// True when the keys type ch with one key or a dead key and a base letter; a space
// always. Control characters never.
bool CanType(const TKeyCharsList& keys, unsigned char ch);
// How many key presses type ch: a key of its own (plain 1, with Shift or AltGr 2, with
// both 3; the simplest first), else its dead key's presses and its base letter's. A
// space, and a character the keys cannot type, 1.
int KeyPresses(const TKeyCharsList& keys, unsigned char ch);
// The characters of the words (any list of texts) that the keys cannot type, each
// once, in the order they come, leaving out those in skip.
template <typename Words>
std::string UntypableChars(const TKeyCharsList& keys, const Words& words, std::string_view skip = {}) {
    std::string chars;
    std::array<bool, 256> seen{};
    for (unsigned char c : skip) seen[c] = true;
    for (std::string_view word : words)
        for (unsigned char c : word) {
            if (seen[c]) continue;
            seen[c] = true;
            if (!CanType(keys, c)) chars += static_cast<char>(c);
        }
    return chars;
}

}  // namespace teclarium
