// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "report/report_columns.h"

#include <string_view>

#include "settings/ini_file.h"
#include "settings/settings_table.h"

namespace teclarium {
namespace {

// The columns' names in the file, in column order: they stay when the headers change.
constexpr std::array<std::string_view, kReportColumnCount> kColumnNames = {
    "name",          "drills",       "time",           "first-day",     "last-day",       "recent-minutes",
    "recent-drills", "idle-days",    "speed-first",    "speed-last",    "speed-change",   "words-first",
    "words-last",    "errors-first", "errors-last",    "errors-change", "accuracy-first", "accuracy-last",
    "trend",         "course-step",  "course-targets", "class-goals",   "missed",         "notes",
};

// Shown but for these: the total time and the first week's figures (the trend
// shows how practice and speed went), the days, the counts of drills, and the
// wrong keys per hundred (the accuracy says it the other way).
constexpr std::array<int, 12> kHiddenByDefault = {
    kColTime,       kColFirstDay,    kColLastDay,    kColRecentDrills, kColSpeedFirst,    kColSpeedChange,
    kColWordsFirst, kColErrorsFirst, kColErrorsLast, kColErrorsChange, kColAccuracyFirst, kColCourseTargets,
};

}  // namespace

TShownColumns DefaultShownColumns() {
    TShownColumns shown;
    shown.fill(true);
    for (const int column : kHiddenByDefault) shown[column] = false;
    return shown;
}

TShownColumns ParseShownColumns(const std::string& text) {
    if (text.empty()) return DefaultShownColumns();
    TShownColumns shown{};
    shown[kColName] = true;
    std::string_view rest = text;
    while (!rest.empty()) {
        const std::size_t comma = rest.find(',');
        const std::string_view name = rest.substr(0, comma);
        for (int column = 0; column < kReportColumnCount; ++column)
            if (kColumnNames[column] == name) shown[column] = true;
        rest.remove_prefix(comma == std::string_view::npos ? rest.size() : comma + 1);
    }
    return shown;
}

std::string ShownColumnsText(const TShownColumns& shown) {
    std::string text;
    for (int column = 0; column < kReportColumnCount; ++column)
        if (shown[column]) {
            if (!text.empty()) text += ',';
            text += kColumnNames[column];
        }
    return text;
}

TShownColumns ReadShownColumns(const TNewIniFile& file) {
    return ParseShownColumns(file.ReadString(kOptionsSection, kKeyReportColumns, ""));
}

void WriteShownColumns(TNewIniFile& file, const TShownColumns& shown) {
    file.WriteString(kOptionsSection, kKeyReportColumns, ShownColumnsText(shown));
}

}  // namespace teclarium
