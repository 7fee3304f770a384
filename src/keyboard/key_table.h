// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The on-screen keyboard's key table: 48 character keys in four rows, identified by
// their virtual-key codes, and the four special keys that follow them.
#pragma once

#include <array>
#include <cstdint>

namespace teclarium {

inline constexpr int kCharKeyCount = 48;
inline constexpr int kCapsLockKey = 49;
inline constexpr int kLeftShiftKey = 50;
inline constexpr int kRightShiftKey = 51;
inline constexpr int kBackspaceKey = 52;
inline constexpr int kKeyCount = 52;

// A row of character keys: key numbers First..Last, left to right.
struct TKeyRow {
    int First;
    int Last;
};
inline constexpr std::array<TKeyRow, 4> kKeyRows{{{1, 13}, {14, 25}, {26, 37}, {38, 48}}};

// Virtual-key code of each character key; index 0 unused.
inline constexpr std::array<std::uint8_t, kCharKeyCount + 1> kKeyCodes{
    0,
    // Row 1: º, digits 1 to 0, ', ¡
    220, 49, 50, 51, 52, 53, 54, 55, 56, 57, 48, 219, 221,
    // Row 2: Q to P, `, +
    81, 87, 69, 82, 84, 89, 85, 73, 79, 80, 186, 187,
    // Row 3: A to L, ñ, ´, ç
    65, 83, 68, 70, 71, 72, 74, 75, 76, 192, 222, 191,
    // Row 4: <, Z to M, comma, period, minus
    226, 90, 88, 67, 86, 66, 78, 77, 188, 190, 189};

// X key code (evdev + 8) of each character key on an ISO 105-key keyboard; index 0
// unused. The same places as the virtual-key codes above, whatever the layout.
inline constexpr std::array<unsigned, kCharKeyCount + 1> kKeyScanCodes{
    0,
    // Row 1: the key left of 1, digits 1 to 0, two keys
    49, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21,
    // Row 2: Q to P, two keys
    24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35,
    // Row 3: A to L, three keys (the last one left of Enter)
    38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48, 51,
    // Row 4: the key right of the left Shift, Z to M, three keys
    94, 52, 53, 54, 55, 56, 57, 58, 59, 60, 61};

// True for the keys the right hand types: 6, Y, H and N and the keys right of them.
bool IsRightHandKey(int number);

// The key number of a character key's code, or 0 when no key has it.
int KeyNumberOfCode(int code);

}  // namespace teclarium
