// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "report/report_csv.h"

#include <algorithm>

#include "progress/history_file.h"
#include "report/report_table.h"
#include "report/report_texts.h"
#include "util/codec.h"

namespace teclarium {
namespace {

constexpr std::string_view kRowEnd = "\r\n";

// Any bytes as UTF-8: a file name need not be valid UTF-8.
std::string ValidUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toStdString();
}

class TCsvWriter {
  public:
    TCsvWriter(std::string& out, TCsvNumbers numbers)
        : FOut(out), FPoint(numbers == TCsvNumbers::Point), FSeparator(FPoint ? ',' : ';') {}
    // A text field.
    TCsvWriter& Text(std::string_view text) {
        Separate();
        FOut += CsvField(text, FSeparator);
        return *this;
    }
    // A number (with a decimal comma, made a point where the file takes one), or a
    // day: a field that needs no quoting.
    TCsvWriter& Plain(std::string_view text) {
        Separate();
        const std::size_t start = FOut.size();
        FOut += text;
        if (FPoint) std::replace(FOut.begin() + static_cast<std::ptrdiff_t>(start), FOut.end(), ',', '.');
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
        if (!FFirst) FOut += FSeparator;
        FFirst = false;
    }
    std::string& FOut;
    bool FPoint;
    char FSeparator;
    bool FFirst = true;
};

void LearnerRows(TCsvWriter& csv, const TGroupReport& report, const std::vector<TLearnerFigures>& figures,
                 const std::vector<std::size_t>& order) {
    // The classes' goals only when a class sets some: else the columns are as without classes.
    bool goals = false;
    for (const std::size_t i : order) goals = goals || report.GoalsOf(i);
    csv.Text(kReportHeaders[kColName]).Text(kHeaderFolder);
    for (int column = kColDrills; column < kReportColumnCount; ++column) {
        if ((column == kColClassGoals && !goals) || IsAddedColumn(column)) continue;
        csv.Text(column == kColTime ? kHeaderMinutes : kReportHeaders[column]);
        // The step and the course's steps as two numbers.
        if (column == kColCourseStep) csv.Text(kHeaderSteps);
    }
    for (const int column : kAddedColumns)
        if (column != kColTrend) csv.Text(kReportHeaders[column]);
    // The trend's weeks are the same for every learner: they end where the activity does.
    for (const std::string_view header : {kHeaderTrendSpeed, kHeaderTrendMinutes})
        for (std::size_t week = 0; week < kTrendWeeks; ++week) {
            const QString first = figures.empty()
                                      ? QString()
                                      : QString::fromStdString(IsoDayText(figures.front().Trend[week].Day));
            csv.Text(FromUtf8(header).arg(first).toStdString());
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
        csv.Plain(any ? DecimalText(f.FirstWeek.WordsPerMinute(), 1) : "");
        csv.Plain(any ? DecimalText(f.LastWeek.WordsPerMinute(), 1) : "");
        csv.Plain(any ? DecimalText(f.FirstWeek.AccuracyPercent(), 1) : "");
        csv.Plain(any ? DecimalText(f.LastWeek.AccuracyPercent(), 1) : "");
        const TTrend trend = LearnerTrend(f);
        for (const std::optional<double>& speed : trend.Speed)
            csv.Plain(read && speed ? DecimalText(*speed, 1) : "");
        for (const double minutes : trend.Minutes) csv.Plain(read ? DecimalText(minutes, 1) : "");
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

std::string CsvField(std::string_view text, char separator) {
    std::string field;
    // A spreadsheet looks past leading spaces for a formula's mark.
    const std::size_t first = text.find_first_not_of(' ');
    if (first != std::string_view::npos &&
        std::string_view("=+-@\t\r\n").find(text[first]) != std::string_view::npos)
        field += '\'';
    field += text;
    if (field.find_first_of(std::string{separator, '"', '\r', '\n'}) == std::string::npos) return field;
    std::string quoted = "\"";
    for (const char ch : field) {
        if (ch == '"') quoted += '"';
        quoted += ch;
    }
    return quoted + '"';
}

std::string ReportCsv(const TGroupReport& report, const std::vector<TLearnerFigures>& figures,
                      const std::vector<std::size_t>& order, const TDayRange& range, TCsvRows rows,
                      TCsvNumbers numbers) {
    std::string out(kCsvByteOrderMark);
    TCsvWriter csv(out, numbers);
    if (rows == TCsvRows::Learners)
        LearnerRows(csv, report, figures, order);
    else
        DrillRows(csv, report, order, range);
    return out;
}

// This file is UTF-8 because Moodle's import requires it: the program's own files
// are Windows-1252 (the report's CSV is UTF-8 too, for the spreadsheets' sake).
std::string MoodleCsv(const TGroupReport& report, const std::vector<TLearnerFigures>& figures,
                      const std::vector<std::size_t>& order) {
    std::array<bool, kGoalCount> columns{};
    for (const std::size_t i : order)
        if (const TClassGoals* goals = report.GoalsOf(i))
            for (int goal = 0; goal < kGoalCount; ++goal)
                columns[goal] = columns[goal] || GoalGrade(*goals, static_cast<TGoal>(goal), figures[i],
                                                           report.Learners()[i].Course);
    std::string out;
    TCsvWriter csv(out, TCsvNumbers::Point);
    csv.Text(kMoodleIdentifier).Text(kReportHeaders[kColName]);
    for (int goal = 0; goal < kGoalCount; ++goal)
        if (columns[goal]) csv.Text(FromUtf8(kMoodleGrade).arg(FromUtf8(kGoalNames[goal])).toStdString());
    csv.EndRow();
    for (const std::size_t i : order) {
        const TLearnerHistory& history = report.Learners()[i];
        csv.Text(ValidUtf8(history.Name)).Text(ValidUtf8(report.ShownName(i)));
        const TClassGoals* goals = report.GoalsOf(i);
        for (int goal = 0; goal < kGoalCount; ++goal) {
            if (!columns[goal]) continue;
            const std::optional<double> grade =
                goals ? GoalGrade(*goals, static_cast<TGoal>(goal), figures[i], history.Course)
                      : std::nullopt;
            csv.Plain(grade ? DecimalText(*grade, 1) : "");
        }
        csv.EndRow();
    }
    return out;
}

}  // namespace teclarium
