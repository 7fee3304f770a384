#include "report/learner_figures.h"

#include <algorithm>
#include <map>

#include "progress/weak_chars.h"

namespace teclarium {
namespace {

void AddDay(TDayProgress& week, const TDayProgress& day) {
    week.CorrectKeys += day.CorrectKeys;
    week.WrongKeys += day.WrongKeys;
    week.Tenths += day.Tenths;
}

}  // namespace

TLearnerFigures LearnerFigures(const std::vector<TDrillRecord>& drills, const TDayRange& range) {
    TLearnerFigures figures;
    std::map<std::int64_t, TDayProgress> days;
    TCharStats chars;
    for (const TDrillRecord& drill : drills) {
        const std::int64_t day = DayOf(drill.When);
        if (!range.Contains(day)) continue;
        ++figures.Drills;
        figures.Tenths += drill.CountedTenths;
        TDayProgress& d = days[day];
        d.Day = day;
        d.Add(drill);
        chars.Add(drill);
    }
    if (figures.Drills == 0) return figures;
    figures.FirstDay = days.begin()->first;
    figures.LastDay = days.rbegin()->first;
    figures.FirstWeek.Day = figures.FirstDay;
    figures.LastWeek.Day = figures.LastDay - (kWeekDays - 1);
    figures.Days.reserve(days.size());
    for (const auto& [day, progress] : days) {
        figures.Days.push_back(progress);
        if (day < figures.FirstWeek.Day + kWeekDays) AddDay(figures.FirstWeek, progress);
        if (day >= figures.LastWeek.Day) AddDay(figures.LastWeek, progress);
    }
    for (const TMissedChar& missed : MostMissed(chars, kMostMissedCount))
        figures.MostMissed += static_cast<char>(missed.Char);
    return figures;
}

}  // namespace teclarium
