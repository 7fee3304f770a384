// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "report/learner_summary.h"

namespace teclarium {

void TSummaryBuilder::Add(const TDrillRecord& drill) {
    TDay& day = FDays[DayOf(drill.When)];
    ++day.Sums.Drills;
    day.Sums.CorrectKeys += drill.CorrectKeys;
    day.Sums.WrongKeys += drill.WrongKeys;
    day.Sums.Tenths += drill.CountedTenths;
    day.Sums.Words += drill.Words;
    for (const TCharTally& t : drill.Chars) {
        TCharDay& c = day.Chars[t.Char];
        c.Char = t.Char;
        c.Right += t.Right;
        c.Wrong += t.Wrong;
    }
    ++FDrills;
}

TLearnerSummary TSummaryBuilder::Take(std::size_t badLines) {
    TLearnerSummary summary;
    summary.BadLines = badLines;
    summary.Drills = FDrills;
    summary.Days.reserve(FDays.size());
    for (auto& [day, d] : FDays) {
        d.Sums.Day = day;
        d.Sums.Chars.reserve(d.Chars.size());
        for (const auto& [ch, c] : d.Chars) d.Sums.Chars.push_back(c);
        summary.Days.push_back(std::move(d.Sums));
    }
    FDays.clear();
    FDrills = 0;
    return summary;
}

TLearnerSummary Summarise(const std::vector<TDrillRecord>& drills) {
    TSummaryBuilder builder;
    for (const TDrillRecord& drill : drills) builder.Add(drill);
    return builder.Take(0);
}

}  // namespace teclarium
