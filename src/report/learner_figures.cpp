// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "report/learner_figures.h"

#include <algorithm>

namespace teclarium {
namespace {

void AddDay(TDayProgress& week, const TDaySummary& day) {
    week.CorrectKeys += day.CorrectKeys;
    week.WrongKeys += day.WrongKeys;
    week.Tenths += day.Tenths;
    week.Words += day.Words;
}

}  // namespace

void TCharCounts::Add(const TCharCounts& other) {
    for (std::size_t ch = 0; ch < 256; ++ch) {
        Right[ch] += other.Right[ch];
        Wrong[ch] += other.Wrong[ch];
    }
}

std::vector<TCharDay> CharTotals(const TCharCounts& counts) {
    std::vector<TCharDay> chars;
    for (std::size_t ch = 0; ch < 256; ++ch)
        if (counts.Right[ch] > 0 || counts.Wrong[ch] > 0)
            chars.push_back({static_cast<unsigned char>(ch), static_cast<std::uint32_t>(counts.Right[ch]),
                             static_cast<std::uint32_t>(counts.Wrong[ch])});
    return chars;
}

TCharCounts DaysChars(const std::vector<TDaySummary>& days) {
    TCharCounts all;
    for (const TDaySummary& day : days)
        for (const TCharDay& c : day.Chars) {
            all.Right[c.Char] += c.Right;
            all.Wrong[c.Char] += c.Wrong;
        }
    return all;
}

std::vector<TWeakKey> WeakKeys(const TCharCounts& counts, std::size_t count) {
    struct TCandidate {
        unsigned char Char;
        std::uint64_t Wrong;
        std::uint64_t Tries;
    };
    std::vector<TCandidate> candidates;
    for (std::size_t ch = 0; ch < 256; ++ch) {
        const std::uint64_t tries = counts.Right[ch] + counts.Wrong[ch];
        if (counts.Wrong[ch] > 0 && tries >= kWeakKeyMinTries)
            candidates.push_back({static_cast<unsigned char>(ch), counts.Wrong[ch], tries});
    }
    // a's rate above b's, compared without division so that equal rates tie exactly.
    std::stable_sort(candidates.begin(), candidates.end(), [](const TCandidate& a, const TCandidate& b) {
        const unsigned __int128 left = static_cast<unsigned __int128>(a.Wrong) * b.Tries;
        const unsigned __int128 right = static_cast<unsigned __int128>(b.Wrong) * a.Tries;
        if (left != right) return left > right;
        return a.Wrong > b.Wrong;
    });
    std::vector<TWeakKey> weak;
    for (const TCandidate& c : candidates) {
        if (weak.size() == count) break;
        weak.push_back({c.Char, 100.0 * static_cast<double>(c.Wrong) / static_cast<double>(c.Tries)});
    }
    return weak;
}

std::vector<TDayProgress> RangeDays(const TLearnerSummary& summary, const TDayRange& range) {
    std::vector<TDayProgress> days;
    for (const TDaySummary& day : summary.Days)
        if (range.Contains(day.Day))
            days.push_back({day.Day, day.CorrectKeys, day.WrongKeys, day.Tenths, day.Words});
    return days;
}

TLearnerFigures LearnerFigures(const TLearnerSummary& summary, const TDayRange& range, std::int64_t today) {
    TLearnerFigures figures;
    figures.ActivityEnd = range.To.value_or(today);
    // The trend's weeks end on the activity's last day; a day after it counts in the last.
    for (std::size_t week = 0; week < kTrendWeeks; ++week)
        figures.Trend[week].Day =
            figures.ActivityEnd - static_cast<std::int64_t>(kTrendWeeks - week) * kWeekDays + 1;
    const auto inRange = [&](const TDaySummary& day) { return range.Contains(day.Day); };
    for (const TDaySummary& day : summary.Days) {
        if (!inRange(day)) continue;
        ++figures.Days;
        figures.Drills += day.Drills;
        figures.Tenths += day.Tenths;
        // A day after the activity's end is one after today (a clock set wrong): the
        // range's end leaves out any other.
        if (day.Day > figures.ActivityEnd - kWeekDays) {
            figures.RecentDrills += day.Drills;
            figures.RecentTenths += day.Tenths;
        }
        for (const TCharDay& c : day.Chars) {
            figures.Chars.Right[c.Char] += c.Right;
            figures.Chars.Wrong[c.Char] += c.Wrong;
        }
        const std::int64_t back = std::max<std::int64_t>(0, figures.ActivityEnd - day.Day) / kWeekDays;
        if (back < static_cast<std::int64_t>(kTrendWeeks))
            AddDay(figures.Trend[kTrendWeeks - 1 - static_cast<std::size_t>(back)], day);
    }
    if (figures.Drills == 0) return figures;
    figures.FirstDay = std::find_if(summary.Days.begin(), summary.Days.end(), inRange)->Day;
    figures.LastDay = std::find_if(summary.Days.rbegin(), summary.Days.rend(), inRange)->Day;
    figures.FirstWeek.Day = figures.FirstDay;
    figures.LastWeek.Day = figures.LastDay - (kWeekDays - 1);
    for (const TDaySummary& day : summary.Days) {
        if (!inRange(day)) continue;
        if (day.Day < figures.FirstWeek.Day + kWeekDays) AddDay(figures.FirstWeek, day);
        if (day.Day >= figures.LastWeek.Day) AddDay(figures.LastWeek, day);
        AddDay(figures.Whole, day);
    }
    figures.Weak = WeakKeys(figures.Chars, kWeakKeysCount);
    return figures;
}

std::optional<double> Median(std::vector<double> values) {
    if (values.empty()) return std::nullopt;
    const std::size_t middle = values.size() / 2;
    std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(middle), values.end());
    if (values.size() % 2 == 1) return values[middle];
    const double upper = values[middle];
    const double lower =
        *std::max_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(middle));
    return (lower + upper) / 2;
}

}  // namespace teclarium
