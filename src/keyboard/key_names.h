// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The keys' names that screen readers say: a character key by its characters, the
// special keys by their Catalan names, and the key (or keys) the keyboard lights.
#pragma once

#include <QString>

#include "keyboard/key_chars.h"

namespace teclarium {

inline constexpr const char* kAltGrName = "Alt Gr";
inline constexpr const char* kSpaceBarName = "barra espaiadora";
inline constexpr const char* kKeyboardName = "Teclat virtual";

// Its plain character, then its shifted one when that differs: "a A", "1 !".
QString KeyCharsName(const TKeyChars& key);
// The name of special key number (Caps Lock, the Shifts, Backspace), else empty.
QString SpecialKeyName(int number);

// What the keyboard lights at a moment: a character key's entry in the key list
// (-1: none) and the lamps of the special keys.
struct TLitKeys {
    int Entry = -1;
    bool Backspace = false;
    bool LeftShift = false;
    bool RightShift = false;
    bool AltGr = false;
    bool SpaceBar = false;
    bool operator==(const TLitKeys&) const = default;
};

// "Tecla següent: " and the lit keys, modifiers first, joined by " + "; the
// keyboard's own name when nothing is lit.
QString NextKeyName(const TKeyCharsList& keys, const TLitKeys& lit);

}  // namespace teclarium
