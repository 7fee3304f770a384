// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// What a keyboard layout types, as plain data: what the XKB reader (platform/xkb/)
// fills and the keyboard's logic reads, without linking it.
#pragma once

#include <array>
#include <string>
#include <vector>

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

// The description of a layout (with its variant) in the keyboard data's list, UTF-8: in
// English, and translated where the language's catalogue has the text (else empty). Both
// empty when the list does not name the layout.
struct TXkbDescription {
    std::string English;
    std::string Translated;
};

}  // namespace teclarium
