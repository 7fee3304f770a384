#include "report/report_table.h"

#include <QFile>
#include <QString>
#include <cstdio>

#include "progress/weak_chars.h"
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
        text += CharText(key.Char) + QLatin1Char(' ') + QString::fromStdString(DecimalText(key.Rate, 0)) +
                QStringLiteral(" %");
    }
    return text.toStdString();
}

std::string CountText(std::size_t count, std::string_view one, std::string_view many) {
    return count == 1 ? std::string(one) : FormatNumber(many, static_cast<long long>(count));
}

std::string LearnerNotes(const TLearnerHistory& history) {
    if (!history.Failure.empty()) return history.Failure;
    if (history.BadLines > 0) return CountText(history.BadLines, kReportBadLine, kReportBadLines);
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

TReportRow ReportRow(const TGroupReport& report, std::size_t learner, const TLearnerFigures& f) {
    const TLearnerHistory& history = report.Learners()[learner];
    TReportRow row;
    row[kColName].Text = report.ShownName(learner);
    row[kColNotes].Text = LearnerNotes(history);
    if (history.CourseKeys)
        row[kColCourseKeys] =
            Number(static_cast<double>(*history.CourseKeys), std::to_string(*history.CourseKeys));
    if (!history.Failure.empty()) return row;
    row[kColDrills] = Number(static_cast<double>(f.Drills), std::to_string(f.Drills));
    if (f.Drills == 0) return row;
    row[kColTime] = Number(static_cast<double>(f.Tenths), DurationText(f.Tenths));
    row[kColFirstDay] = Number(static_cast<double>(f.FirstDay), DayText(f.FirstDay));
    row[kColLastDay] = Number(static_cast<double>(f.LastDay), DayText(f.LastDay));
    row[kColSpeedFirst] = Decimal(f.FirstWeek.KeysPerMinute());
    row[kColSpeedLast] = Decimal(f.LastWeek.KeysPerMinute());
    row[kColErrorsFirst] = Decimal(f.FirstWeek.WrongPerHundred());
    row[kColErrorsLast] = Decimal(f.LastWeek.WrongPerHundred());
    if (f.HasChange()) {
        row[kColSpeedChange] = Decimal(f.SpeedChange(), true);
        row[kColErrorsChange] = Decimal(f.ErrorChange(), true);
    }
    // Sorted by the weakest key's rate.
    if (!f.Weak.empty()) row[kColMissed] = Number(f.Weak.front().Rate, WeakKeysText(f.Weak));
    return row;
}

}  // namespace teclarium

namespace teclarium {

std::string ReportSummary(const TGroupReport& report, const std::vector<TLearnerFigures>& figures,
                          const TDayRange& range) {
    std::size_t drills = 0, unreadable = 0;
    for (std::size_t i = 0; i < figures.size(); ++i) {
        drills += figures[i].Drills;
        if (!report.Learners()[i].Failure.empty()) ++unreadable;
    }
    std::string summary = FromUtf8(kReportSummary)
                              .arg(QString::fromStdString(CountText(figures.size(), kLearner, kLearners)),
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
