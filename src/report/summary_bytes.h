// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// How the summary store keeps a history's days and a day's characters: as few
// bytes as the numbers need, each day after the one before; read back only when
// they make sense.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "report/learner_figures.h"

namespace teclarium {

// The days' sums (without their characters), in date order.
std::string DaysBytes(const std::vector<TDaySummary>& days);
// The days back from their bytes, added to days; false when they make no sense:
// out of order, a day twice, or figures no typist could make.
bool GetDays(std::string_view bytes, std::vector<TDaySummary>& days);
// A day's characters, each with its right and wrong keys, in the order of their bytes.
std::string CharsBytes(const std::vector<TCharDay>& chars);
// Adds the characters of such bytes to counts; false when the bytes make no sense.
bool AddChars(std::string_view bytes, TCharCounts& counts);

}  // namespace teclarium
