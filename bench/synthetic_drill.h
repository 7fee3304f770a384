// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// A drill of a made-up history for the benchmarks: 8 to 40 characters of a mixed
// alphabet, each typed right 1 to 12 times, about a quarter of them missed once or
// twice with a letter typed instead; and, for the benchmarks that want whole lines
// of today's histories, the time of each character's keys.
#pragma once

#include <algorithm>
#include <random>
#include <string>

#include "progress/drill_record.h"

namespace teclarium {

inline void FillSyntheticChars(TDrillRecord& r, std::mt19937& random) {
    static const std::string alphabet =
        "abcdefghijklmnopqrstuvwxyz\xE0\xE8\xE9\xED\xF2\xF3\xFA\xEF\xFC\xE7.,;:-'ABCDE";
    r.WrongKeys = 0;
    r.Chars.clear();
    r.Misses.clear();
    std::string chars = alphabet;
    std::shuffle(chars.begin(), chars.end(), random);
    chars.resize(8 + random() % 33);
    std::sort(chars.begin(), chars.end(), [](char a, char b) { return (unsigned char)a < (unsigned char)b; });
    for (char c : chars) {
        const auto ch = static_cast<unsigned char>(c);
        const std::uint32_t wrong = random() % 4 == 0 ? 1 + random() % 2 : 0;
        r.Chars.push_back({ch, 1 + static_cast<std::uint32_t>(random() % 12), wrong});
        if (wrong) r.Misses.push_back({ch, static_cast<unsigned char>(alphabet[random() % 26]), wrong});
        r.WrongKeys += wrong;
    }
}

// The time of each character's right keys, as a drill that times them writes it:
// every right key but now and then the first of a run, 120 to 600 ms each.
inline void FillSyntheticTimes(TDrillRecord& r, std::mt19937& random) {
    for (TCharTally& t : r.Chars) {
        t.Timed = t.Right - (random() % 3 == 0 ? 1 : 0);
        t.TimedMs = t.Timed * (120 + static_cast<std::uint32_t>(random() % 480));
    }
}

}  // namespace teclarium
