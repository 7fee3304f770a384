// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// What the history says about single characters and keys: the most missed
// characters, the weak ones to practise, and each key's error rate.
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "keyboard/key_chars.h"
#include "keyboard/key_table.h"
#include "progress/history_file.h"

namespace teclarium {

struct TMissedChar {
    unsigned char Char = 0;
    std::uint64_t Right = 0;
    std::uint64_t Wrong = 0;
    unsigned char TypedInstead = 0;  // what came most often in its place
    std::uint64_t TypedInsteadCount = 0;
    double Rate() const;  // wrong keys per hundred
};

// A character as the tables show it; the invisible ones by a sign or their code.
QString CharText(unsigned char ch);

// The characters missed at least once, most missed first (then the higher error
// rate, then the lower byte), at most count of them.
std::vector<TMissedChar> MostMissed(const TCharStats& stats, std::size_t count);

inline constexpr std::size_t kWeakCharsMin = 3;
inline constexpr std::size_t kWeakCharsMax = 8;
// The characters of a drill on the weak keys: the three to eight most missed, or
// empty when fewer than three were ever missed.
std::string WeakChars(const TCharStats& stats);

// Right and wrong keys of the characters each key types, by key number 1..48
// (index 0 unused). An accented letter typed through a dead key counts on both the
// dead key and the key of its base letter.
struct TKeyHeat {
    std::uint64_t Right = 0;
    std::uint64_t Wrong = 0;
    double Rate() const;  // wrong keys per hundred; 0 when never typed
};
std::array<TKeyHeat, kCharKeyCount + 1> KeyHeat(const TCharStats& stats, const TKeyCharsList& keys);

}  // namespace teclarium
