// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "report/report_table.h"

#include <QFile>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "progress/weak_chars.h"
#include "speech/char_names.h"
#include "util/codec.h"
#include "util/messages.h"

namespace teclarium {
namespace {

constexpr int kFigureDecimals = 1;

TReportCell Number(double value, std::string text) {
    return {std::move(text), value};
}

TReportCell Decimal(double value, bool sign = false) {
    return {DecimalText(value, kFigureDecimals, sign), value};
}

// A weak key as the table shows it: a letter or a digit as itself, a space or a
// sign by its name ("espai", "coma"), another invisible character by its sign or code.
QString WeakKeyName(unsigned char ch) {
    const QString shown = CharText(ch);
    if (shown.size() == 1 && shown[0].isLetterOrNumber()) return shown;
    const QString name = CharName(ch);
    return name.isEmpty() ? shown : name;
}

}  // namespace

std::string DecimalText(double value, int decimals, bool sign) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    std::string result = text;
    // "-0.0": a change too small to show is none.
    if (result.find_first_not_of("-0.") == std::string::npos)
        result.erase(0, result[0] == '-' ? 1 : 0);
    else if (sign && value > 0)
        result.insert(0, 1, '+');
    const std::size_t point = result.find('.');
    if (point != std::string::npos) result[point] = ',';
    return result;
}

std::string DurationText(std::uint64_t tenths) {
    const std::uint64_t seconds = (tenths + 5) / 10;
    char text[48];
    std::snprintf(text, sizeof text, "%llu:%02u:%02u", static_cast<unsigned long long>(seconds / 3600),
                  static_cast<unsigned>(seconds / 60 % 60), static_cast<unsigned>(seconds % 60));
    return text;
}

std::string IsoDayText(std::int64_t day) {
    return FormatDateTime(day * 86400).substr(0, 10);
}

std::string DayText(std::int64_t day) {
    const std::string iso = IsoDayText(day);  // 2026-12-07
    return iso.substr(8, 2) + '/' + iso.substr(5, 2) + '/' + iso.substr(0, 4);
}

std::string WeakKeysText(const std::vector<TWeakKey>& weak) {
    QString text;
    for (const TWeakKey& key : weak) {
        if (!text.isEmpty()) text += QStringLiteral(", ");
        text += WeakKeyName(key.Char) + QLatin1Char(' ') + QString::fromStdString(DecimalText(key.Rate, 0)) +
                QStringLiteral(" %");
    }
    return text.toStdString();
}

std::string CountText(std::size_t count, std::string_view one, std::string_view many) {
    return count == 1 ? std::string(one) : FormatNumber(many, static_cast<long long>(count));
}

std::string LearnerNotes(const TLearnerHistory& history) {
    if (!history.Failure.empty()) return history.Failure;
    if (history.Summary.BadLines > 0)
        return CountText(history.Summary.BadLines, kReportBadLine, kReportBadLines);
    return {};
}

std::string RangeText(const TDayRange& range) {
    const auto day = [](std::int64_t d) { return QString::fromStdString(DayText(d)); };
    if (range.From && range.To)
        return FromUtf8(kRangeBetween).arg(day(*range.From), day(*range.To)).toStdString();
    if (range.From) return FromUtf8(kRangeFrom).arg(day(*range.From)).toStdString();
    if (range.To) return FromUtf8(kRangeUntil).arg(day(*range.To)).toStdString();
    return std::string(kRangeAll);
}

namespace {

std::string CountText(double value) {
    return value == std::floor(value) ? std::to_string(static_cast<long long>(value)) : DecimalText(value, 1);
}

// A figure of a number column as the table shows it.
TReportCell FigureCell(int column, double value) {
    switch (column) {
        case kColDrills:
        case kColRecentDrills:
        case kColIdleDays:
            return Number(value, CountText(value));
        case kColTime:
            return Number(value, DurationText(static_cast<std::uint64_t>(std::llround(value))));
        case kColFirstDay:
        case kColLastDay:
            return Number(value, DayText(std::llround(value)));
        case kColRecentMinutes:
            return Number(value, DecimalText(value, 0));
        case kColSpeedChange:
        case kColErrorsChange:
            return Decimal(value, true);
        default:
            return Decimal(value);
    }
}

}  // namespace

TTrend LearnerTrend(const TLearnerFigures& figures) {
    TTrend trend;
    for (std::size_t week = 0; week < kTrendWeeks; ++week) {
        const TDayProgress& w = figures.Trend[week];
        if (w.Tenths > 0) trend.Speed[week] = w.KeysPerMinute();
        trend.Minutes[week] = static_cast<double>(w.Tenths) / 600.0;
    }
    return trend;
}

namespace {

// The trend's cell: its figures as text, sorted by the change of speed from the
// first week with practice to the last.
TReportCell TrendCell(const TTrend& figures) {
    auto trend = std::make_shared<TTrend>(figures);
    QStringList speeds, minutes;
    std::optional<double> first, last;
    for (std::size_t week = 0; week < kTrendWeeks; ++week) {
        const std::optional<double> speed = trend->Speed[week];
        speeds << (speed ? QString::fromStdString(DecimalText(*speed, 0)) : FromUtf8(kTrendNone));
        minutes << QString::fromStdString(DecimalText(trend->Minutes[week], 0));
        if (speed) {
            if (!first) first = speed;
            last = speed;
        }
    }
    TReportCell cell;
    cell.Text = FromUtf8(kTrendText)
                    .arg(speeds.join(QStringLiteral(" ")), minutes.join(QStringLiteral(" ")))
                    .toStdString();
    if (first) cell.Number = *last - *first;
    cell.Trend = std::move(trend);
    return cell;
}

}  // namespace

TReportRow ReportRow(const TGroupReport& report, std::size_t learner, const TLearnerFigures& f) {
    const TLearnerHistory& history = report.Learners()[learner];
    TReportRow row;
    row[kColName].Text = report.ShownName(learner);
    row[kColNotes].Text = LearnerNotes(history);
    if (history.Course) {
        const TCourseStanding& course = *history.Course;
        row[kColCourseStep] =
            Number(static_cast<double>(course.Step),
                   FromUtf8(kReportCourseStep).arg(course.Step).arg(course.Steps).toStdString());
        row[kColCourseTargets] =
            Number(course.TargetsMet ? 1 : 0, std::string(course.TargetsMet ? kTargetsMet : kTargetsNotMet));
    }
    const TGoalStates goals = ClassGoalStates(report, learner, f);
    const auto set = std::count_if(goals.begin(), goals.end(), [](const auto& g) { return g.has_value(); });
    const auto met = std::count(goals.begin(), goals.end(), TGoalState::Met);
    // Sorted by the share of the goals met.
    if (set > 0) {
        row[kColClassGoals] = Number(static_cast<double>(met) / static_cast<double>(set), GoalsText(goals));
        row[kColClassGoals].Short = GoalsMarks(goals);
    }
    if (!history.Failure.empty()) return row;
    const auto figure = [&](int column, double value) { row[column] = FigureCell(column, value); };
    figure(kColDrills, static_cast<double>(f.Drills));
    figure(kColRecentMinutes, static_cast<double>(f.RecentTenths) / 600.0);
    figure(kColRecentDrills, static_cast<double>(f.RecentDrills));
    if (const auto days = f.DaysSinceLast()) figure(kColIdleDays, static_cast<double>(*days));
    if (f.Idle())
        row[kColIdleDays].Text =
            std::string(kIdleMark) + (row[kColIdleDays].Text.empty() ? "" : " " + row[kColIdleDays].Text);
    row[kColTrend] = TrendCell(LearnerTrend(f));
    if (f.Drills == 0) return row;
    figure(kColTime, static_cast<double>(f.Tenths));
    figure(kColFirstDay, static_cast<double>(f.FirstDay));
    figure(kColLastDay, static_cast<double>(f.LastDay));
    figure(kColSpeedFirst, f.FirstWeek.KeysPerMinute());
    figure(kColSpeedLast, f.LastWeek.KeysPerMinute());
    figure(kColErrorsFirst, f.FirstWeek.WrongPerHundred());
    figure(kColErrorsLast, f.LastWeek.WrongPerHundred());
    figure(kColWordsFirst, f.FirstWeek.WordsPerMinute());
    figure(kColWordsLast, f.LastWeek.WordsPerMinute());
    figure(kColAccuracyFirst, f.FirstWeek.AccuracyPercent());
    figure(kColAccuracyLast, f.LastWeek.AccuracyPercent());
    if (f.HasChange()) {
        figure(kColSpeedChange, f.SpeedChange());
        figure(kColErrorsChange, f.ErrorChange());
    }
    // Sorted by the weakest key's rate.
    if (!f.Weak.empty()) row[kColMissed] = Number(f.Weak.front().Rate, WeakKeysText(f.Weak));
    return row;
}

namespace {

// Each goal set, by its name and the word or mark of its state (met, not met,
// pending, in TGoalState's order), the two joined by between and the goals by separator.
std::string JoinGoals(const TGoalStates& goals, const std::array<std::string_view, kGoalCount>& names,
                      const std::array<std::string_view, 3>& states, std::string_view between,
                      std::string_view separator) {
    std::string text;
    for (int goal = 0; goal < kGoalCount; ++goal) {
        if (!goals[goal]) continue;
        if (!text.empty()) text += separator;
        text.append(names[goal]).append(between).append(states[static_cast<std::size_t>(*goals[goal])]);
    }
    return text;
}

}  // namespace

std::string GoalsText(const TGoalStates& goals) {
    return JoinGoals(goals, kGoalNames, {kGoalMet, kGoalNotMet, kGoalPending}, " ", ", ");
}

std::string GoalsMarks(const TGoalStates& goals) {
    return JoinGoals(goals, kGoalLetters, {kGoalMetMark, kGoalNotMetMark, kGoalPendingMark}, "", " ");
}

TGoalStates ClassGoalStates(const TGroupReport& report, std::size_t learner, const TLearnerFigures& f) {
    TGoalStates states;
    const TLearnerHistory& history = report.Learners()[learner];
    // An unreadable history meets no goal it is measured against.
    if (const TClassGoals* goals = report.GoalsOf(learner))
        for (int goal = 0; goal < kGoalCount; ++goal)
            states[goal] = GoalState(*goals, static_cast<TGoal>(goal), f, history.Course);
    return states;
}

namespace {

// The class's weekly trend: each week's median keys per minute over the learners
// who practised in it, and its median minutes over every learner with a trend (a
// week without practice is 0 minutes). Every learner's weeks end on the same day
// (the range's end, else today), so that a week is the same week for all. None
// when no row has a trend (no history could be read).
std::optional<TTrend> MedianTrend(const std::vector<TReportRow>& rows) {
    TTrend median;
    bool any = false;
    for (std::size_t week = 0; week < kTrendWeeks; ++week) {
        std::vector<double> speeds, minutes;
        for (const TReportRow& row : rows) {
            const TTrend* trend = row[kColTrend].Trend.get();
            if (!trend) continue;
            any = true;
            if (trend->Speed[week]) speeds.push_back(*trend->Speed[week]);
            minutes.push_back(trend->Minutes[week]);
        }
        median.Speed[week] = Median(std::move(speeds));
        median.Minutes[week] = Median(std::move(minutes)).value_or(0);
    }
    if (!any) return std::nullopt;
    return median;
}

}  // namespace

TReportRow MedianRow(const std::vector<TReportRow>& rows, const std::vector<TWeakKey>& classWeak,
                     const std::vector<TGoalStates>& goals) {
    TReportRow median;
    median[kColName].Text = kMedianRowName;
    for (const int column :
         {kColDrills, kColTime, kColRecentMinutes, kColRecentDrills, kColIdleDays, kColSpeedFirst,
          kColSpeedLast, kColSpeedChange, kColWordsFirst, kColWordsLast, kColErrorsFirst, kColErrorsLast,
          kColErrorsChange, kColAccuracyFirst, kColAccuracyLast}) {
        std::vector<double> values;
        for (const TReportRow& row : rows)
            if (row[column].Number) values.push_back(*row[column].Number);
        if (const std::optional<double> value = Median(std::move(values)))
            median[column] = FigureCell(column, *value);
    }
    if (!classWeak.empty()) median[kColMissed] = Number(classWeak.front().Rate, WeakKeysText(classWeak));
    if (const std::optional<TTrend> trend = MedianTrend(rows)) median[kColTrend] = TrendCell(*trend);
    std::string shares, shortShares;
    for (int goal = 0; goal < kGoalCount; ++goal) {
        std::size_t set = 0, met = 0;
        for (const TGoalStates& states : goals) {
            set += states[goal].has_value();
            met += states[goal] == TGoalState::Met;
        }
        if (set == 0) continue;
        const std::string share = DecimalText(100.0 * static_cast<double>(met) / static_cast<double>(set), 0);
        if (!shares.empty()) {
            shares += ", ";
            shortShares += ' ';
        }
        shares.append(kGoalNames[goal]).append(" ").append(share).append(" %");
        shortShares.append(kGoalLetters[goal]).append(" ").append(share).append("%");
    }
    median[kColClassGoals].Text = shares;
    median[kColClassGoals].Short = shortShares;
    return median;
}

}  // namespace teclarium

namespace teclarium {

std::string ReportSummary(const TGroupReport& report, const std::vector<TLearnerFigures>& figures,
                          const TDayRange& range, const std::vector<bool>& shown) {
    std::size_t learners = 0, drills = 0, unreadable = 0;
    for (std::size_t i = 0; i < figures.size(); ++i) {
        if (i < shown.size() && !shown[i]) continue;
        ++learners;
        drills += figures[i].Drills;
        if (!report.Learners()[i].Failure.empty()) ++unreadable;
    }
    std::string summary = FromUtf8(kReportSummary)
                              .arg(QString::fromStdString(CountText(learners, kLearner, kLearners)),
                                   QString::fromStdString(CountText(drills, kDrill, kDrillsCount)),
                                   QString::fromStdString(RangeText(range)))
                              .toStdString();
    if (unreadable > 0) summary += '\n' + CountText(unreadable, kReportUnreadableOne, kReportUnreadable);
    if (!report.NotHistories().empty()) summary += '\n' + NotHistoriesText(report);
    return summary;
}

std::string NotHistoriesText(const TGroupReport& report) {
    if (report.NotHistories().empty()) return {};
    std::string text = std::string(kNotHistories) + ": ";
    for (std::size_t i = 0; i < report.NotHistories().size(); ++i)
        text += (i ? ", " : "") + QFile::decodeName(report.NotHistories()[i].c_str()).toStdString();
    return text + '.';
}

}  // namespace teclarium
