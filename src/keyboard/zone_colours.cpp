// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "keyboard/zone_colours.h"

#include <string_view>

namespace teclarium {
namespace {

// Each row's keys from left to right: 1 lime, 0 yellow.
constexpr std::array<std::string_view, 4> kTwoHands{"1101001101000", "101001101000", "101001101000",
                                                    "11010011010"};
constexpr std::string_view kNaturalRow1 = "1101000101000";
constexpr std::array<std::string_view, 4> kOneHand{"1111101000000", "111101000000", "111101000000",
                                                   "11111010000"};

TZone ZoneOf(char c) {
    return c == '1' ? TZone::Lime : TZone::Yellow;
}

}  // namespace

std::array<TZone, kKeyCount + 1> FrameZones(TZoneMode mode) {
    std::array<TZone, kKeyCount + 1> zones{};
    for (std::size_t row = 0; row < kKeyRows.size(); ++row) {
        std::string_view table = mode.OneHand ? kOneHand[row] : kTwoHands[row];
        if (!mode.OneHand && mode.NaturalKeyboard && row == 0) table = kNaturalRow1;
        for (int key = kKeyRows[row].First; key <= kKeyRows[row].Last; ++key)
            zones[static_cast<std::size_t>(key)] =
                ZoneOf(table[static_cast<std::size_t>(key - kKeyRows[row].First)]);
    }
    // The special keys keep the two-hand entries of their rows in every mode.
    zones[kCapsLockKey] = ZoneOf(kTwoHands[2].front());
    zones[kLeftShiftKey] = ZoneOf(kTwoHands[3].front());
    zones[kRightShiftKey] = ZoneOf(kTwoHands[3].back());
    zones[kBackspaceKey] = ZoneOf(kTwoHands[0].back());
    return zones;
}

}  // namespace teclarium
