// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// A learner's history summed up by day, as the lines stream by: all the group
// report's figures come from it, whatever the date range, without keeping a
// single drill.
#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "progress/drill_record.h"

namespace teclarium {

// How often a character was typed right and wrong on one day.
struct TCharDay {
    unsigned char Char = 0;
    std::uint32_t Right = 0;
    std::uint32_t Wrong = 0;
    bool operator==(const TCharDay&) const = default;
};

// The drills of one day added up.
struct TDaySummary {
    std::int64_t Day = 0;  // days since 1970-01-01
    std::uint32_t Drills = 0;
    std::uint64_t CorrectKeys = 0;
    std::uint64_t WrongKeys = 0;
    std::uint64_t Tenths = 0;     // counted time
    std::vector<TCharDay> Chars;  // by character, those typed that day
    std::uint64_t Words = 0;      // words finished
    bool operator==(const TDaySummary&) const = default;
};

struct TLearnerSummary {
    std::vector<TDaySummary> Days;  // in date order
    std::size_t BadLines = 0;       // lines skipped, counted as the progress window counts them
    std::size_t Drills = 0;         // lines read
    bool operator==(const TLearnerSummary&) const = default;
};

// Where a learner stands in the course now, whatever the report's range: the steps
// learned of all, and whether every learned key meets the course's targets over its
// latest presses (the course's own rule for unlocking the next step).
struct TCourseStanding {
    std::size_t Step = 0;   // steps learned, the first always
    std::size_t Steps = 0;  // in the course
    bool TargetsMet = false;
    bool operator==(const TCourseStanding&) const = default;
};

// Sums drills up, in any order.
class TSummaryBuilder {
  public:
    void Add(const TDrillRecord& drill);
    TLearnerSummary Take(std::size_t badLines);

  private:
    struct TDay {
        TDaySummary Sums;
        std::map<unsigned char, TCharDay> Chars;
    };
    std::map<std::int64_t, TDay> FDays;
    std::size_t FDrills = 0;
};

TLearnerSummary Summarise(const std::vector<TDrillRecord>& drills);

}  // namespace teclarium
