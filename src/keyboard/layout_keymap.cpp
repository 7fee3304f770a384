// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "keyboard/layout_keymap.h"

#include "keyboard/key_table.h"
#include "util/codec.h"

namespace teclarium {
namespace {

// The single key that types ch (a dead key when dead), or none.
TKeyStroke KeyStrokeOf(const TXkbLayout& layout, char32_t ch, bool dead) {
    if (ch == 0) return {};
    if (ch == U' ') return {dead ? 0 : kSpaceBarStroke, 0};
    for (int level = 0; level < kXkbLevels; ++level)
        for (std::size_t i = 0; i < layout.Keys.size(); ++i) {
            const TXkbKey& key = layout.Keys[i];
            if (key.Chars[level] == ch && key.Dead[level] == dead) return {static_cast<int>(i) + 1, level};
        }
    return {};
}

unsigned char AnsiOf(char32_t ch) {
    if (ch < U' ' || ch > 0xFFFF) return 0;
    return AnsiChar(QChar(static_cast<char16_t>(ch)));
}

}  // namespace

std::span<const unsigned> CharKeyScanCodes() {
    return std::span<const unsigned>(kKeyScanCodes).subspan(1);
}

TCharStrokes DeadKeyStrokesOf(const TXkbLayout& layout, char32_t ch) {
    if (KeyStrokeOf(layout, ch, false).KeyNumber != 0) return {};
    TCharStrokes best;
    for (const TXkbComposed& c : layout.Composed) {
        if (c.Result != ch) continue;
        const TKeyStroke dead = KeyStrokeOf(layout, c.DeadKey, true);
        const TKeyStroke base = KeyStrokeOf(layout, c.Base, false);
        if (dead.KeyNumber == 0 || base.KeyNumber == 0) continue;
        if (best.Key.KeyNumber == 0 || dead.Level + base.Level < best.Dead.Level + best.Key.Level)
            best = {dead, base};
    }
    return best;
}

TKeyCharsList KeyCharsOfLayout(const TXkbLayout& layout) {
    TKeyCharsList keys;
    for (std::size_t i = 0; i < layout.Keys.size() && i < kCharKeyCount; ++i) {
        const int number = static_cast<int>(i) + 1;
        const TXkbKey& key = layout.Keys[i];
        std::uint8_t dead = 0;
        for (int level = 0; level < kXkbLevels; ++level)
            if (key.Dead[static_cast<std::size_t>(level)]) dead |= static_cast<std::uint8_t>(1 << level);
        keys.push_back({kKeyCodes[static_cast<std::size_t>(number)], number, IsRightHandKey(number),
                        AnsiOf(key.Chars[0]), AnsiOf(key.Chars[1]), AnsiOf(key.Chars[2]),
                        AnsiOf(key.Chars[3]), dead});
    }
    // The characters no key types by itself, by their dead key and base letter, where
    // Windows-1252 holds all three.
    keys.DeadKeys = {};
    for (int byte = '!'; byte < 0x100; ++byte) {
        const char32_t ch = FromAnsiChar(static_cast<unsigned char>(byte)).at(0).unicode();
        const TCharStrokes strokes = DeadKeyStrokesOf(layout, ch);
        if (strokes.Dead.KeyNumber == 0) continue;
        const auto charOf = [&](const TKeyStroke& s) -> char32_t {
            if (s.KeyNumber == kSpaceBarStroke) return U' ';
            return layout.Keys[static_cast<std::size_t>(s.KeyNumber - 1)]
                .Chars[static_cast<std::size_t>(s.Level)];
        };
        const unsigned char deadChar = AnsiOf(charOf(strokes.Dead));
        const unsigned char baseChar = AnsiOf(charOf(strokes.Key));
        if (deadChar != 0 && baseChar != 0)
            keys.DeadKeys[static_cast<std::size_t>(byte)] = {deadChar, baseChar};
    }
    return keys;
}

}  // namespace teclarium
