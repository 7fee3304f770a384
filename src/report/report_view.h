// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// What the group report shows for a date range and a class, made all at once on
// any thread while the report is not changed: the figures, the rows, the class's
// median row and keys.
#pragma once

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "report/group_report.h"
#include "report/learner_figures.h"
#include "report/report_table.h"

namespace teclarium {

struct TReportView {
    std::vector<TLearnerFigures> Figures;  // every learner's, in the report's order
    std::vector<TReportRow> Rows;          // every learner's, in the same order
    std::vector<bool> Shown;               // whether each learner's row shows
    std::optional<TReportRow> Median;      // of the rows shown; none when none shows
    TCharCounts ClassChars;                // the keys of the learners shown
    bool AnyGoals = false;                 // a class shown sets goals
};

// shownClass: the folder of the class shown; empty: every class. Stopped (looked
// at between the rows), the view is left unfinished.
TReportView MakeReportView(const TGroupReport& report, const TDayRange& range, std::int64_t today,
                           const std::string& shownClass, const std::atomic<bool>* stop = nullptr);

}  // namespace teclarium
