// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// What a keyboard layout types, read with libxkbcommon from the layout's names (or,
// through the X11 part, from the X server's active keymap), with the dead keys'
// accented characters from the locale's compose table. No Qt, no window system.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

struct xkb_keymap;

namespace teclarium {

inline constexpr int kXkbLevels = 4;  // without modifier, Shift, AltGr, Shift+AltGr

// What one key types at each level: a Unicode character (0: none, or not one
// character). A dead key gives its accent's spacing character and is marked dead.
struct TXkbKey {
    std::array<char32_t, kXkbLevels> Chars{};
    std::array<bool, kXkbLevels> Dead{};
};

// A character typed as a dead key (its spacing accent) followed by a base character.
struct TXkbComposed {
    char32_t DeadKey = 0;
    char32_t Base = 0;
    char32_t Result = 0;
};

struct TXkbLayout {
    std::vector<TXkbKey> Keys;  // one per key code asked for, in that order
    std::vector<TXkbComposed> Composed;
};

// A layout by its XKB names: "fr", or "es" with variant "cat".
struct TXkbLayoutName {
    std::string Layout;
    std::string Variant;
    bool operator==(const TXkbLayoutName&) const = default;
};

// The layout compiled from its names on the pc105 model, read at the given X key
// codes; nullopt when XKB has no such layout.
std::optional<TXkbLayout> XkbLayoutFromNames(const TXkbLayoutName& name, std::span<const unsigned> keycodes);

// A compiled keymap's group read at the given X key codes.
TXkbLayout XkbLayoutOfKeymap(xkb_keymap* keymap, unsigned group, std::span<const unsigned> keycodes);

// The compose table's locale: the environment's (LC_ALL, LC_CTYPE, LANG) in its UTF-8
// form, Catalan where none is set. The texts are Windows-1252, the table UTF-8.
std::string ComposeLocale();

}  // namespace teclarium
