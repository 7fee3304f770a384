// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// One learner's figures in the group report, over the drills of a date range:
// how much they practised, their speed and wrong keys over the first and the last
// week of practice and the change between the two, and their weak keys: the
// characters they miss most often for the times they type them.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "progress/history_file.h"
#include "report/learner_summary.h"

namespace teclarium {

// Days since 1970-01-01 (local dates), both ends included; an end left out does
// not limit.
struct TDayRange {
    std::optional<std::int64_t> From;
    std::optional<std::int64_t> To;
    bool Contains(std::int64_t day) const { return (!From || day >= *From) && (!To || day <= *To); }
};

// The first week of practice is the 7 calendar days that start on the day of the
// first drill in the range; the last week, the 7 calendar days that end on the day
// of the last drill in the range. Days without practice count as days.
inline constexpr std::int64_t kWeekDays = 7;
inline constexpr std::size_t kWeakKeysCount = 5;
// The weekly trend: the last weeks of 7 days up to the activity's end (see TLearnerFigures).
inline constexpr std::size_t kTrendWeeks = 6;
// A character typed fewer times in the range is not judged: two misses in three
// tries say nothing yet.
inline constexpr std::uint64_t kWeakKeyMinTries = 20;
// The red end of the class heat map, wrong keys per hundred: the same for every
// class, so that two classes' maps compare.
inline constexpr double kClassHeatScale = 20.0;

// A character and how often it went wrong: wrong keys per hundred tries.
struct TWeakKey {
    unsigned char Char = 0;
    double Rate = 0;
    bool operator==(const TWeakKey&) const = default;
};

// Right and wrong keys by character (Windows-1252 byte).
struct TCharCounts {
    std::array<std::uint64_t, 256> Right{};
    std::array<std::uint64_t, 256> Wrong{};
    void Add(const TCharCounts& other);
};

// The characters typed, with their keys, in byte order.
std::vector<TCharDay> CharTotals(const TCharCounts& counts);
// The keys of every character over the days, added up.
TCharCounts DaysChars(const std::vector<TDaySummary>& days);

// The characters typed at least kWeakKeyMinTries times and missed at least once,
// the highest rate first (then the more wrong keys, then the lower byte), at most
// count of them.
std::vector<TWeakKey> WeakKeys(const TCharCounts& counts, std::size_t count);

struct TLearnerFigures {
    std::size_t Drills = 0;     // in the range
    std::size_t Days = 0;       // the days of the range with drills
    std::uint64_t Tenths = 0;   // their counted time added up (elapsed time less the discounted pauses)
    std::int64_t FirstDay = 0;  // of the first and the last drill in the range, when there is one
    std::int64_t LastDay = 0;
    // The drills of the first and the last week added up (Day: the week's first day).
    TDayProgress FirstWeek;
    TDayProgress LastWeek;
    std::vector<TWeakKey> Weak;  // the weakest first, at most kWeakKeysCount
    TCharCounts Chars;           // the range's keys by character, for the class's figures
    TDayProgress Whole;          // the range's drills added up
    // Activity over the last 7 days of the range (up to its end, else up to today,
    // a drill dated after today counting as today's), and the days from the last
    // drill to that day.
    std::size_t RecentDrills = 0;
    std::uint64_t RecentTenths = 0;
    std::int64_t ActivityEnd = 0;
    // The drills of each of the kTrendWeeks weeks of 7 days that end on ActivityEnd,
    // the earliest first (Day: the week's first day), within the range.
    std::array<TDayProgress, kTrendWeeks> Trend;
    std::optional<std::int64_t> DaysSinceLast() const {
        if (Drills == 0) return std::nullopt;
        return std::max<std::int64_t>(0, ActivityEnd - LastDay);
    }
    // No drill in the last 7 days: a learner who may have stopped.
    bool Idle() const { return RecentDrills == 0; }

    // The change between the weeks (last less first) is given only when the last
    // drill came at least 7 days after the first, so that the two weeks are not the
    // same drills.
    bool HasChange() const { return Drills > 0 && LastDay - FirstDay >= kWeekDays; }
    double SpeedChange() const { return LastWeek.KeysPerMinute() - FirstWeek.KeysPerMinute(); }
    double ErrorChange() const { return LastWeek.WrongPerHundred() - FirstWeek.WrongPerHundred(); }
};

// The range's drills by day, in date order: what the learner's chart draws, read
// when it is drawn.
std::vector<TDayProgress> RangeDays(const TLearnerSummary& summary, const TDayRange& range);

// today: the day the activity ends at when the range has no end.
TLearnerFigures LearnerFigures(const TLearnerSummary& summary, const TDayRange& range, std::int64_t today);

// The median of the values (the mean of the middle two of an even count); none
// when there are none.
std::optional<double> Median(std::vector<double> values);

}  // namespace teclarium
