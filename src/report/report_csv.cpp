// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "report/report_csv.h"

#include "progress/history_file.h"
#include "report/report_table.h"
#include "report/report_texts.h"
#include "util/codec.h"

namespace teclarium {
namespace {

constexpr char kSeparator = ';';
constexpr std::string_view kRowEnd = "\r\n";

// Any bytes as UTF-8: a file name need not be valid UTF-8.
std::string ValidUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toStdString();
}

class TCsvWriter {
  public:
    explicit TCsvWriter(std::string& out) : FOut(out) {}
    // A text field.
    TCsvWriter& Text(std::string_view text) {
        Separate();
        FOut += CsvField(text);
        return *this;
    }
    // A number, or any field that needs no quoting.
    TCsvWriter& Plain(std::string_view text) {
        Separate();
        FOut += text;
        return *this;
    }
    TCsvWriter& Number(std::uint64_t value) { return Plain(std::to_string(value)); }
    TCsvWriter& Tenths(std::uint32_t tenths) { return Plain(DecimalText(tenths / 10.0, 1)); }
    void EndRow() {
        FOut += kRowEnd;
        FFirst = true;
    }

  private:
    void Separate() {
        if (!FFirst) FOut += kSeparator;
        FFirst = false;
    }
    std::string& FOut;
    bool FFirst = true;
};

void LearnerRows(TCsvWriter& csv, const TGroupReport& report, const std::vector<TLearnerFigures>& figures,
                 const std::vector<std::size_t>& order) {
    // The classes' goals only when a class sets some: else the columns are as without classes.
    bool goals = false;
    for (const std::size_t i : order) goals = goals || report.GoalsOf(i);
    csv.Text(kReportHeaders[kColName]).Text(kHeaderFolder);
    for (int column = kColDrills; column < kReportColumnCount; ++column) {
        if (column == kColClassGoals && !goals) continue;
        csv.Text(column == kColTime ? kHeaderMinutes : kReportHeaders[column]);
        // The step and the course's steps as two numbers.
        if (column == kColCourseStep) csv.Text(kHeaderSteps);
    }
    csv.EndRow();
    for (const std::size_t i : order) {
        const TLearnerHistory& history = report.Learners()[i];
        const TLearnerFigures& f = figures[i];
        csv.Text(ValidUtf8(report.ShownName(i))).Text(ValidUtf8(history.Folder));
        const bool read = history.Failure.empty();
        const bool any = read && f.Drills > 0;
        const bool change = any && f.HasChange();
        const std::optional<std::int64_t> idle = f.DaysSinceLast();
        csv.Plain(read ? std::to_string(f.Drills) : "");
        csv.Plain(any ? DecimalText(static_cast<double>(f.Tenths) / 600.0, 1) : "");
        csv.Plain(any ? IsoDayText(f.FirstDay) : "").Plain(any ? IsoDayText(f.LastDay) : "");
        csv.Plain(read ? DecimalText(static_cast<double>(f.RecentTenths) / 600.0, 1) : "");
        csv.Plain(read ? std::to_string(f.RecentDrills) : "");
        csv.Plain(read && idle ? std::to_string(*idle) : "");
        csv.Plain(any ? DecimalText(f.FirstWeek.KeysPerMinute(), 1) : "");
        csv.Plain(any ? DecimalText(f.LastWeek.KeysPerMinute(), 1) : "");
        csv.Plain(change ? DecimalText(f.SpeedChange(), 1) : "");
        csv.Plain(any ? DecimalText(f.FirstWeek.WrongPerHundred(), 1) : "");
        csv.Plain(any ? DecimalText(f.LastWeek.WrongPerHundred(), 1) : "");
        csv.Plain(change ? DecimalText(f.ErrorChange(), 1) : "");
        csv.Plain(history.Course ? std::to_string(history.Course->Step) : "");
        csv.Plain(history.Course ? std::to_string(history.Course->Steps) : "");
        csv.Text(history.Course ? (history.Course->TargetsMet ? kTargetsMet : kTargetsNotMet) : "");
        if (goals) csv.Text(GoalsText(ClassGoalStates(report, i, f)));
        csv.Text(any ? WeakKeysText(f.Weak) : "");
        csv.Text(ValidUtf8(LearnerNotes(history)));
        csv.EndRow();
    }
}

void DrillRows(TCsvWriter& csv, const TGroupReport& report, const std::vector<std::size_t>& order,
               const TDayRange& range) {
    csv.Text(kReportHeaders[kColName]).Text(kHeaderFolder);
    for (std::string_view header : kDrillHeaders) csv.Text(header);
    csv.EndRow();
    for (const std::size_t i : order) {
        const TLearnerHistory& history = report.Learners()[i];
        if (!history.Failure.empty()) continue;
        const std::string name = ValidUtf8(report.ShownName(i)), folder = ValidUtf8(history.Folder);
        // The drills are not kept: the history is read again, line by line.
        ForEachRecord(ReadHistoryBytes(history.File), [&](const TDrillRecord& d) {
            if (!range.Contains(DayOf(d.When))) return;
            csv.Text(name).Text(folder).Plain(FormatDateTime(d.When));
            csv.Text(FromAnsi(d.Source).toStdString());
            csv.Number(d.Words).Number(d.CorrectKeys).Number(d.WrongKeys).Number(d.OmittedWords);
            csv.Tenths(d.CountedTenths).Tenths(d.PauseTenths).Tenths(d.SecondsPerWordTenths);
            csv.Tenths(d.WordsPerMinuteTenths).Number(d.KeysPerMinute);
            csv.EndRow();
        });
    }
}

}  // namespace

std::string CsvField(std::string_view text) {
    std::string field;
    // A spreadsheet looks past leading spaces for a formula's mark.
    const std::size_t first = text.find_first_not_of(' ');
    if (first != std::string_view::npos &&
        std::string_view("=+-@\t\r\n").find(text[first]) != std::string_view::npos)
        field += '\'';
    field += text;
    if (field.find_first_of(";\"\r\n") == std::string::npos) return field;
    std::string quoted = "\"";
    for (const char ch : field) {
        if (ch == '"') quoted += '"';
        quoted += ch;
    }
    return quoted + '"';
}

std::string ReportCsv(const TGroupReport& report, const std::vector<TLearnerFigures>& figures,
                      const std::vector<std::size_t>& order, const TDayRange& range, TCsvRows rows) {
    std::string out(kCsvByteOrderMark);
    TCsvWriter csv(out);
    if (rows == TCsvRows::Learners)
        LearnerRows(csv, report, figures, order);
    else
        DrillRows(csv, report, order, range);
    return out;
}

}  // namespace teclarium
