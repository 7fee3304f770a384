// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The progress chart from its loadable module, which alone links Qt Charts: the
// program loads it when the progress window first shows a chart, not at start.
#pragma once

#include <string>
#include <vector>

class QWidget;

namespace teclarium {

struct TDayProgress;

inline constexpr const char* kChartModuleName = "libteclarium_chart.so";

// The module beside the program, else the installed one (../lib/teclarium beside bin/).
std::string ChartModulePath();
// The chart of the days (in date order), owned by parent, from the module file at
// modulePath; when that cannot be loaded, a sentence saying the chart is not available.
QWidget* ProgressChart(const std::string& modulePath, const std::vector<TDayProgress>& days, QWidget* parent);

}  // namespace teclarium
