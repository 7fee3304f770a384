// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The key records of a layout that XKB read: the Windows-1252 characters of the 48
// character keys at each level, their hands by position, and the dead-key sequences
// of the characters no key types by itself.
#pragma once

#include <span>

#include "keyboard/key_chars.h"
#include "platform/layout_data.h"

namespace teclarium {

// The X key codes of the character keys, in key-number order: what a layout is read at.
std::span<const unsigned> CharKeyScanCodes();

// One key pressed at a level (0: no modifier, 1: Shift, 2: AltGr, 3: Shift+AltGr).
// KeyNumber 0: none; kSpaceBarStroke: the space bar (the base of a dead key's accent).
inline constexpr int kSpaceBarStroke = 100;
struct TKeyStroke {
    int KeyNumber = 0;
    int Level = 0;
    bool operator==(const TKeyStroke&) const = default;
};

// A character typed in two steps: a dead key, then a key.
struct TCharStrokes {
    TKeyStroke Dead;
    TKeyStroke Key;
    bool operator==(const TCharStrokes&) const = default;
};

// The dead-key sequence that types ch; none (both KeyNumbers 0) when one key types it
// by itself or no sequence does. The fewest modifiers win: a lower level before a
// higher one, a lower key number before a higher one.
TCharStrokes DeadKeyStrokesOf(const TXkbLayout& layout, char32_t ch);

// The key records, as the key mapping file gives them. A level whose character
// Windows-1252 cannot hold (ŀ) stays blank; so does a dead key without a spacing
// accent there.
TKeyCharsList KeyCharsOfLayout(const TXkbLayout& layout);

}  // namespace teclarium
