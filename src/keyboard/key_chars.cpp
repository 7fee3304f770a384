// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "keyboard/key_chars.h"

namespace teclarium {

const TDeadKeyTable& SpanishDeadKeys() {
    static const TDeadKeyTable table = [] {
        TDeadKeyTable t{};
        constexpr unsigned char kGrave = 96, kAcute = 180, kCircumflex = 94, kDiaeresis = 168;
        const struct {
            unsigned char ch, dead, base;
        } rows[] = {
            {192, kGrave, 'A'},      {193, kAcute, 'A'},      {200, kGrave, 'E'},     {201, kAcute, 'E'},
            {205, kAcute, 'I'},      {207, kDiaeresis, 'I'},  {210, kGrave, 'O'},     {211, kAcute, 'O'},
            {218, kAcute, 'U'},      {220, kDiaeresis, 'U'},  {224, kGrave, 'a'},     {225, kAcute, 'a'},
            {226, kCircumflex, 'a'}, {232, kGrave, 'e'},      {233, kAcute, 'e'},     {234, kCircumflex, 'e'},
            {237, kAcute, 'i'},      {238, kCircumflex, 'i'}, {239, kDiaeresis, 'i'}, {242, kGrave, 'o'},
            {243, kAcute, 'o'},      {244, kCircumflex, 'o'}, {250, kAcute, 'u'},     {251, kCircumflex, 'u'},
            {252, kDiaeresis, 'u'},
        };
        for (const auto& r : rows) t[r.ch] = {r.dead, r.base};
        return t;
    }();
    return table;
}

std::uint8_t SpanishDeadLevels(const TKeyChars& key) {
    std::uint8_t levels = 0;
    for (int level = 0; level < 4; ++level)
        for (const TDeadKeySequence& s : SpanishDeadKeys())
            if (key.At(level) != 0 && s.DeadKey == key.At(level))
                levels |= static_cast<std::uint8_t>(1 << level);
    return levels;
}

bool CanType(const TKeyCharsList& keys, unsigned char ch) {
    if (ch == ' ') return true;
    if (ch < ' ' || ch == 0x7F) return false;
    const auto onKey = [&](unsigned char c) {
        for (const TKeyChars& k : keys)
            if (k.Plain == c || k.Shifted == c || k.AltGr == c || k.ShiftAltGr == c) return true;
        return false;
    };
    if (onKey(ch)) return true;
    const TDeadKeySequence dead = keys.DeadKeys[ch];
    return dead.DeadKey != 0 && onKey(dead.DeadKey) && (dead.Base == ' ' || onKey(dead.Base));
}

namespace {

// The presses of ch on a key of its own; 0 when no key has it.
int OwnKeyPresses(const TKeyCharsList& keys, unsigned char ch) {
    int presses = 0;
    for (const TKeyChars& k : keys) {
        const int here = k.Plain == ch                        ? 1
                         : (k.Shifted == ch || k.AltGr == ch) ? 2
                         : k.ShiftAltGr == ch                 ? 3
                                                              : 0;
        if (here != 0 && (presses == 0 || here < presses)) presses = here;
    }
    return presses;
}

}  // namespace

int KeyPresses(const TKeyCharsList& keys, unsigned char ch) {
    if (ch == ' ') return 1;
    if (const int own = OwnKeyPresses(keys, ch); own != 0) return own;
    const TDeadKeySequence dead = keys.DeadKeys[ch];
    if (dead.DeadKey == 0) return 1;
    const int deadPresses = OwnKeyPresses(keys, dead.DeadKey);
    const int basePresses = dead.Base == ' ' ? 1 : OwnKeyPresses(keys, dead.Base);
    return deadPresses == 0 || basePresses == 0 ? 1 : deadPresses + basePresses;
}

}  // namespace teclarium
