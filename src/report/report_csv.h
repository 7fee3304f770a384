// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The group report as a CSV file for spreadsheets set up for Catalan: UTF-8 with
// a byte-order mark (so that the accents open right), ';' between fields, a
// decimal comma, CR LF after each row, and a field holding ';', '"' or a line
// break quoted with its quotes doubled; or for those set up for English, with ','
// between fields and a decimal point. And the class's goals as grades for the
// school's Moodle gradebook.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "report/group_report.h"
#include "report/learner_figures.h"

namespace teclarium {

inline constexpr std::string_view kCsvByteOrderMark = "\xEF\xBB\xBF";

enum class TCsvRows {
    Learners,  // one row per learner: the table's figures and the learner's folder
    Drills,    // one row per drill of the range, as the history records it (read again)
};

enum class TCsvNumbers {
    Catalan,  // ';' between fields, "98,8"
    Point,    // ',' between fields, "98.8"
};

// figures: one per learner of the report, over range; order: the learners in the
// order of the rows (the table's), each once. Every row names the learner as the
// table does and their folder.
std::string ReportCsv(const TGroupReport& report, const std::vector<TLearnerFigures>& figures,
                      const std::vector<std::size_t>& order, const TDayRange& range, TCsvRows rows,
                      TCsvNumbers numbers = TCsvNumbers::Catalan);

// What Moodle's grade import reads: UTF-8 without a byte-order mark, ',' between
// fields, a decimal point; a column the teacher maps to the learner's user name
// (the history's file name), the name the report shows, then one column per goal
// that a class of the learners sets, a grade out of 10 (see GoalGrade; empty for
// a learner whose class does not set it). Learners in the order given.
std::string MoodleCsv(const TGroupReport& report, const std::vector<TLearnerFigures>& figures,
                      const std::vector<std::size_t>& order);

// A text as one field (UTF-8), fields separated by the separator. A text that a
// spreadsheet would take for a formula (starting with =, +, -, @, a tab, a CR or a
// line feed, also after spaces) gets an apostrophe before it, so that opening the
// file never runs anything a name or a source holds.
std::string CsvField(std::string_view text, char separator = ';');

}  // namespace teclarium
