// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The random letter groups of the "Paraules a l'atzar" source.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace teclarium {

// n groups of k characters drawn from the pattern's characters (one candidate per
// position, so a character written twice is drawn twice as often). Two rules:
// no character follows itself, not even from one group to the next; and a group
// repeats no character while it is shorter than the pattern.
// A pattern that repeats characters can leave no character that keeps both rules
// ("aab" with k = 3, "aaa"). The rules are then relaxed, never waited on: first
// the group may repeat a character, and when the pattern has a single distinct
// character, that character may follow itself. So every call ends, with exactly
// n groups of exactly k characters (k at least 1).
std::vector<std::string> GenerateRandomWords(std::string_view chars, std::size_t k, std::size_t n,
                                             std::uint32_t seed);

// The generator's seed from the system clock: milliseconds since midnight, UTC.
std::uint32_t ClockSeed();

}  // namespace teclarium
