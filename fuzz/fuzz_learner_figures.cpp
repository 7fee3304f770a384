// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The group report's figures of one learner on any history and any date range (the
// input's first bytes choose its ends, relative to the first drill's day): the drills
// and time are those of the range; the first and last days bound every day of the
// range's drills, which come in date order and add up to the drills; each week holds
// the days within 7 of its end;
// the rates are finite, the wrong keys at most a hundred per hundred; the weak keys,
// at most five and each once, were typed enough and missed in the range, the weakest
// first; the activity counts the drills of its 7 days and any dated after today.
#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "progress/history_file.h"
#include "report/learner_figures.h"
#include "report/learner_summary.h"

using namespace teclarium;

namespace {

void CheckRates(const TDayProgress& d) {
    FUZZ_CHECK(std::isfinite(d.KeysPerMinute()) && d.KeysPerMinute() >= 0);
    FUZZ_CHECK(d.WrongPerHundred() >= 0 && d.WrongPerHundred() <= 100);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) return 0;
    const std::string_view bytes = Bytes(data + 3, size - 3);
    std::vector<TDrillRecord> drills;
    TSummaryBuilder builder;
    ForEachRecord(bytes, [&](TDrillRecord& r) {
        builder.Add(r);
        drills.push_back(std::move(r));
    });
    const TLearnerSummary summary = builder.Take(0);
    const std::int64_t firstDay = drills.empty() ? 0 : DayOf(drills.front().When);
    // Each end: none, or up to 60 days either side of the first drill's day.
    TDayRange range;
    if (data[0] & 1) range.From = firstDay + (data[1] % 121) - 60;
    if (data[0] & 2) range.To = firstDay + (data[2] % 121) - 60;
    const std::int64_t today = firstDay + (data[0] >> 2);
    const TLearnerFigures f = LearnerFigures(summary, range, today);
    const std::vector<TDayProgress> days = RangeDays(summary, range);

    std::size_t inRange = 0;
    std::uint64_t tenths = 0, correct = 0, wrong = 0;
    std::int64_t first = INT64_MAX, last = INT64_MIN;
    std::array<std::uint64_t, 256> missed{}, tries{};
    const std::int64_t activityEnd = range.To.value_or(today);
    std::size_t recent = 0;
    for (const TDrillRecord& r : drills) {
        const std::int64_t day = DayOf(r.When);
        if (!range.Contains(day)) continue;
        ++inRange;
        tenths += r.CountedTenths;
        correct += r.CorrectKeys;
        wrong += r.WrongKeys;
        first = std::min(first, day);
        last = std::max(last, day);
        // A drill dated after today (a clock set wrong) is recent too; the range's end
        // has left out any after it.
        if (day > activityEnd - kWeekDays) ++recent;
        for (const TCharTally& t : r.Chars) {
            missed[t.Char] += t.Wrong;
            tries[t.Char] += std::uint64_t(t.Right) + t.Wrong;
        }
    }
    FUZZ_CHECK(f.Drills == inRange && f.Tenths == tenths);
    FUZZ_CHECK(f.RecentDrills == recent && f.Idle() == (recent == 0));
    if (inRange == 0) {
        FUZZ_CHECK(f.Days == 0 && days.empty() && f.Weak.empty() && !f.HasChange() && !f.DaysSinceLast());
        return 0;
    }
    FUZZ_CHECK(f.FirstDay == first && f.LastDay == last);
    FUZZ_CHECK(range.Contains(f.FirstDay) && range.Contains(f.LastDay));
    std::uint64_t dayCorrect = 0, dayWrong = 0, firstWeek = 0, lastWeek = 0;
    FUZZ_CHECK(f.Days == days.size());
    for (std::size_t i = 0; i < days.size(); ++i) {
        const TDayProgress& d = days[i];
        FUZZ_CHECK(i == 0 || days[i - 1].Day < d.Day);
        FUZZ_CHECK(d.Day >= first && d.Day <= last);
        CheckRates(d);
        dayCorrect += d.CorrectKeys;
        dayWrong += d.WrongKeys;
        if (d.Day < first + kWeekDays) firstWeek += d.CorrectKeys;
        if (d.Day > last - kWeekDays) lastWeek += d.CorrectKeys;
    }
    FUZZ_CHECK(dayCorrect == correct && dayWrong == wrong);
    FUZZ_CHECK(f.FirstWeek.CorrectKeys == firstWeek && f.LastWeek.CorrectKeys == lastWeek);
    CheckRates(f.FirstWeek);
    CheckRates(f.LastWeek);
    FUZZ_CHECK(f.HasChange() == (last - first >= kWeekDays));
    // The weeks may share days when the drills span 7 to 12 days.
    FUZZ_CHECK(f.FirstWeek.CorrectKeys <= correct && f.LastWeek.CorrectKeys <= correct);
    FUZZ_CHECK(std::isfinite(f.SpeedChange()) && std::isfinite(f.ErrorChange()));
    FUZZ_CHECK(*f.DaysSinceLast() >= 0);
    FUZZ_CHECK(f.Weak.size() <= kWeakKeysCount);
    std::array<bool, 256> weak{};
    for (std::size_t i = 0; i < f.Weak.size(); ++i) {
        const TWeakKey& k = f.Weak[i];
        FUZZ_CHECK(!weak[k.Char] && missed[k.Char] > 0 && tries[k.Char] >= kWeakKeyMinTries);
        weak[k.Char] = true;
        FUZZ_CHECK(k.Rate > 0 && k.Rate <= 100);
        FUZZ_CHECK(i == 0 || f.Weak[i - 1].Rate >= k.Rate);
    }
    // Fewer than five weak keys: no other character qualified.
    if (f.Weak.size() < kWeakKeysCount)
        for (int ch = 0; ch < 256; ++ch)
            FUZZ_CHECK(weak[ch] || missed[ch] == 0 || tries[ch] < kWeakKeyMinTries);
    return 0;
}
