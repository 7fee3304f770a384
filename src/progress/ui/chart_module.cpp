// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "progress/ui/chart_module.h"

#include <QFile>
#include <QLabel>
#include <QLibrary>

#include "progress/chart/progress_chart.h"
#include "progress/history_file.h"
#include "progress/progress_texts.h"
#include "settings/load_save.h"
#include "util/codec.h"
#include "util/program_location.h"

namespace teclarium {

std::string ChartModulePath() {
    return ModuleFolder(ProgramFolder(), kChartModuleName) + kChartModuleName;
}

QWidget* ProgressChart(const std::string& modulePath, const std::vector<TDayProgress>& days,
                       QWidget* parent) {
    // Loaded once per process and never unloaded: its widgets outlive this object.
    QLibrary module(QFile::decodeName(modulePath.c_str()));
    const auto chart =
        reinterpret_cast<decltype(&TeclariumProgressChart)>(module.resolve(kProgressChartEntry));
    if (!chart) {
        auto* notice = new QLabel(FromUtf8(kChartUnavailable), parent);
        notice->setObjectName(QStringLiteral("L_ChartUnavailable"));
        notice->setWordWrap(true);
        return notice;
    }
    std::vector<TChartDay> points;
    points.reserve(days.size());
    for (const TDayProgress& d : days) points.push_back({d.Day, d.KeysPerMinute(), d.WrongPerHundred()});
    // The texts are literals, so their views end in a null.
    const TChartTexts texts{kChartTitle.data(), kAxisDate.data(), kSeriesKeysPerMinute.data(),
                            kSeriesWrongPerHundred.data(), kColumnRate.data()};
    QWidget* view = chart(points.data(), points.size(), &texts, parent);
    view->setAccessibleName(FromUtf8(kChartTitle));
    return view;
}

}  // namespace teclarium
