// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The progress chart, built in its own loadable module (libteclarium_chart.so) so
// that only opening the progress window loads Qt Charts. The module holds Qt code
// only: it is handed plain data and texts, and links nothing of the program's own.
#pragma once

#include <cstddef>
#include <cstdint>

class QWidget;

namespace teclarium {

// One day of the history.
struct TChartDay {
    std::int64_t Day;  // days since 1970-01-01
    double KeysPerMinute;
    double WrongPerHundred;
};

// The chart's texts, UTF-8.
struct TChartTexts {
    const char* Title;
    const char* DateAxis;
    const char* SpeedSeries;  // also the left axis' title
    const char* ErrorSeries;
    const char* ErrorAxis;  // the right axis' title
};

// The module's one entry, resolved by this name.
inline constexpr const char* kProgressChartEntry = "TeclariumProgressChart";

extern "C" {
// A chart view of speed and wrong keys by date, owned by parent; days in date order.
QWidget* TeclariumProgressChart(const TChartDay* days, std::size_t count, const TChartTexts* texts,
                                QWidget* parent);
}

}  // namespace teclarium
