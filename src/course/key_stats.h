// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// Each character's recent record, from the history: its speed over its last 30
// timed keys and its accuracy over its last 30 keys, newest drills first. A drill
// that holds more keys than are still wanted counts in proportion.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "progress/drill_record.h"

namespace teclarium {

inline constexpr double kKeyWindow = 30;      // the keys a character's figures rest on
inline constexpr double kKeyMinPresses = 10;  // fewer: the character is not judged yet

struct TKeyStat {
    double Timed = 0;    // timed right keys counted, at most kKeyWindow
    double TimedMs = 0;  // their time
    double Typed = 0;    // keys where the character was expected, at most kKeyWindow
    double Right = 0;    // of them right
    double Presses = 1;  // the key presses that type the character (Shift, a dead key too)
    bool Full() const { return Timed >= kKeyWindow && Typed >= kKeyWindow; }
    // Key presses per minute: 60,000 × keys × presses ÷ milliseconds (a character's
    // time is shared by its presses); 0 when none was timed. Keys timed in no time at
    // all (each under a millisecond) count as taking one millisecond together, so that
    // they are fast, never "no speed".
    double Speed() const { return Timed > 0 ? 60000.0 * Timed * Presses / std::max(TimedMs, 1.0) : 0.0; }
    // Right keys per hundred; 0 when none was typed.
    double Accuracy() const { return Typed > 0 ? 100.0 * Right / Typed : 0.0; }
};

using TKeyStats = std::array<TKeyStat, 256>;

// Adds a drill older than those counted so far to the figures of the wanted characters.
void AddOlderDrill(TKeyStats& stats, const TDrillRecord& record, const std::array<bool, 256>& wanted);

struct TKeyStatsResult {
    TKeyStats Stats{};
    std::size_t BadLines = 0;
};

// The figures of the characters chars from a history file's bytes, read from its
// last line backwards until each of them is full.
TKeyStatsResult KeyStatsOfHistory(std::string_view historyBytes, std::string_view chars);

// The same from the file; a missing file gives no figures. Throws TAppError when
// the file cannot be read or is of a newer version.
TKeyStatsResult ReadKeyStats(const std::string& historyFile, std::string_view chars);

}  // namespace teclarium
