// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "report/report_view.h"

#include <algorithm>

namespace teclarium {

TReportView MakeReportView(const TGroupReport& report, const TDayRange& range, std::int64_t today,
                           const std::string& shownClass, const std::atomic<bool>* stop) {
    TReportView view;
    view.Figures = report.Figures(range, today);
    const std::size_t count = view.Figures.size();
    view.Rows.reserve(count);
    view.Shown.reserve(count);
    std::vector<TReportRow> shownRows;
    std::vector<TGoalStates> goals;
    for (std::size_t i = 0; i < count; ++i) {
        if (stop && stop->load(std::memory_order_relaxed)) return view;
        view.Rows.push_back(ReportRow(report, i, view.Figures[i]));
        view.Shown.push_back(shownClass.empty() || report.Learners()[i].Folder == shownClass);
        if (!view.Shown.back()) continue;
        shownRows.push_back(view.Rows.back());
        goals.push_back(ClassGoalStates(report, i, view.Figures[i]));
        view.ClassChars.Add(view.Figures[i].Chars);
    }
    // The goals' column only while a class shown sets goals.
    view.AnyGoals = std::any_of(goals.begin(), goals.end(), [](const TGoalStates& g) {
        return std::any_of(g.begin(), g.end(), [](const auto& state) { return state.has_value(); });
    });
    if (!shownRows.empty())
        view.Median = MedianRow(shownRows, WeakKeys(view.ClassChars, kWeakKeysCount), goals);
    return view;
}

}  // namespace teclarium
