// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The group report as a table: one row per learner, the texts that the window and
// the printed report show, and what each column sorts by.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "report/class_goals.h"
#include "report/group_report.h"
#include "report/learner_figures.h"
#include "report/report_texts.h"

namespace teclarium {

enum TReportColumn : int {
    kColName,
    kColDrills,
    kColTime,
    kColFirstDay,
    kColLastDay,
    kColRecentMinutes,
    kColRecentDrills,
    kColIdleDays,
    kColSpeedFirst,
    kColSpeedLast,
    kColSpeedChange,
    kColWordsFirst,
    kColWordsLast,
    kColErrorsFirst,
    kColErrorsLast,
    kColErrorsChange,
    kColAccuracyFirst,
    kColAccuracyLast,
    kColTrend,
    kColCourseStep,
    kColCourseTargets,
    kColClassGoals,
    kColMissed,
    kColNotes,
    kReportColumnCount
};
static_assert(kReportHeaders.size() == kReportColumnCount);

// The columns of names and characters, aligned left and, but for the weak keys
// (by the weakest key's rate), sorted as text; the others as numbers.
inline bool IsTextColumn(int column) {
    return column == kColName || column == kColCourseTargets || column == kColClassGoals ||
           column == kColMissed || column == kColNotes;
}

// The weekly trend's figures, the earliest week first: keys per minute (none for a
// week without practice) and minutes of practice.
struct TTrend {
    std::array<std::optional<double>, kTrendWeeks> Speed;
    std::array<double, kTrendWeeks> Minutes{};
};
TTrend LearnerTrend(const TLearnerFigures& figures);

// The columns added after the first ones: the CSV writes them after the others,
// so that the columns of files and spreadsheets made before keep their places.
inline constexpr std::array<int, 5> kAddedColumns = {kColWordsFirst, kColWordsLast, kColAccuracyFirst,
                                                     kColAccuracyLast, kColTrend};
inline bool IsAddedColumn(int column) {
    return std::find(kAddedColumns.begin(), kAddedColumns.end(), column) != kAddedColumns.end();
}

struct TReportCell {
    std::string Text;                               // UTF-8, as shown; empty when there is no figure
    std::optional<double> Number;                   // what a number column sorts by; none when empty
    std::shared_ptr<const TTrend> Trend = nullptr;  // the trend column's figures, drawn in place of the text
    // What the window shows in place of a long Text (which its tooltip shows); empty: Text.
    std::string Short = {};
};
using TReportRow = std::array<TReportCell, kReportColumnCount>;
using TGoalStates = std::array<std::optional<TGoalState>, kGoalCount>;

TReportRow ReportRow(const TGroupReport& report, std::size_t learner, const TLearnerFigures& figures);
// Whether the learner meets each goal of their class (none where it sets none),
// the course step's day against the end of the figures' activity.
TGoalStates ClassGoalStates(const TGroupReport& report, std::size_t learner, const TLearnerFigures& figures);
// Each goal set, with whether it is met: "velocitat sí, precisió no, pas pendent";
// in short, "V✓ P✗ C…".
std::string GoalsText(const TGoalStates& goals);
std::string GoalsMarks(const TGoalStates& goals);
// The class's row: the median of each figure over the rows that have it (but for
// the days, the course and the notes), each week's of the weekly trend, and the
// weak keys of the whole class.
// goals: each row's learner's goal states (ClassGoalStates), for the share that
// meets each goal; none without classes' goals.
TReportRow MedianRow(const std::vector<TReportRow>& rows, const std::vector<TWeakKey>& classWeak,
                     const std::vector<TGoalStates>& goals = {});

// A number with a decimal comma and no thousands separator: "1234,5". With sign,
// a plus before a positive number; a number that rounds to zero is "0,0" either way.
std::string DecimalText(double value, int decimals, bool sign = false);
// A length of time, tenths of a second, as hours, minutes and seconds: "1:02:03".
std::string DurationText(std::uint64_t tenths);
// A day (since 1970-01-01) as "07/12/2026", and as "2026-12-07".
std::string DayText(std::int64_t day);
std::string IsoDayText(std::int64_t day);
// Weak keys with their rates: "ç 34 %, punt volat 26 %, espai 6 %": a space and
// the signs by their names, the other invisible characters by a sign or their code.
std::string WeakKeysText(const std::vector<TWeakKey>& weak);
// A count in words, Catalan singular or plural: "1 línia", "3 línies" (plural: %d
// for the number).
std::string CountText(std::size_t count, std::string_view one, std::string_view many);
// Why a history is missing from the figures, or how many of its lines are; empty
// when nothing is.
std::string LearnerNotes(const TLearnerHistory& history);
// The range in words: "Exercicis del 01/12/2026 al 31/12/2026".
std::string RangeText(const TDayRange& range);
// The files given that are no history: "No són historials: a.hist, b.hist."; empty
// when there are none.
std::string NotHistoriesText(const TGroupReport& report);
// The report in a few lines: "15 alumnes, 230 exercicis. Tots els exercicis.", how
// many histories could not be read, and the files that are no histories. Only the
// learners shown count (shown[i]: learner i; empty: all), as the table shows them.
std::string ReportSummary(const TGroupReport& report, const std::vector<TLearnerFigures>& figures,
                          const TDayRange& range, const std::vector<bool>& shown);

}  // namespace teclarium
