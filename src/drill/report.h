// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The results report of a drill and the duration texts (UTF-8, lines joined by CR LF).
#pragma once

#include <cstdint>
#include <string>

namespace teclarium {

inline constexpr const char* kPracticeSummary = "Heu estat exercitant-vos durant: ";

// "7 seg", "1min 05seg"; from one hour on the hours are kept: "1h 02min 05seg".
std::string FormatDuration(double days);

// "%2.1f": one decimal, at least two characters wide, with the given separator.
std::string FormatOneDecimal(double value, char decimalSeparator);

// Tenths of a second in a duration, rounded half to even; never negative.
std::int64_t Tenths(double days);

struct TDrillFigures {
    double Elapsed = 0;       // counted time, days
    std::uint16_t Words = 0;  // W: words finished
    std::uint16_t CorrectKeys = 0;
    std::uint16_t OmittedWords = 0;
    double PauseDiscount = 0;     // days
    std::uint16_t WrongKeys = 0;  // not in the report; kept in the history
};

// The point size of the report's font: 0.7 of the largest of the window's, the
// keyboard's and the typing font's sizes, rounded half to even.
int ReportFontSize(int windowSize, int keyboardSize, int typingSize);

// The report's three rates: seconds per word cut to a tenth, words per minute, and
// keys per minute rounded half to even. A counted time of 0 tenths gives rates of 0.
struct TDrillRates {
    std::int64_t Tenths = 0;  // T: the counted time in tenths of a second
    double SecondsPerWord = 0;
    double WordsPerMinute = 0;
    long long KeysPerMinute = 0;
};
TDrillRates DrillRates(const TDrillFigures& figures);

// The report text.
std::string DrillReport(const TDrillFigures& figures, char decimalSeparator);

}  // namespace teclarium
