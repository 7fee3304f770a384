#include "report/learner_figures.h"

#include <algorithm>
#include <map>

namespace teclarium {
namespace {

void AddDay(TDayProgress& week, const TDayProgress& day) {
    week.CorrectKeys += day.CorrectKeys;
    week.WrongKeys += day.WrongKeys;
    week.Tenths += day.Tenths;
}

}  // namespace

void TCharCounts::Add(const TDrillRecord& drill) {
    for (const TCharTally& t : drill.Chars) {
        Right[t.Char] += t.Right;
        Wrong[t.Char] += t.Wrong;
    }
}

void TCharCounts::Add(const TCharCounts& other) {
    for (std::size_t ch = 0; ch < 256; ++ch) {
        Right[ch] += other.Right[ch];
        Wrong[ch] += other.Wrong[ch];
    }
}

std::vector<TWeakKey> WeakKeys(const TCharCounts& counts, std::size_t count) {
    struct TCandidate {
        unsigned char Char;
        std::uint64_t Wrong;
        std::uint64_t Tries;
    };
    std::vector<TCandidate> candidates;
    for (std::size_t ch = 0; ch < 256; ++ch) {
        const std::uint64_t tries = counts.Right[ch] + counts.Wrong[ch];
        if (counts.Wrong[ch] > 0 && tries >= kWeakKeyMinTries)
            candidates.push_back({static_cast<unsigned char>(ch), counts.Wrong[ch], tries});
    }
    // a's rate above b's, compared without division so that equal rates tie exactly.
    std::stable_sort(candidates.begin(), candidates.end(), [](const TCandidate& a, const TCandidate& b) {
        const unsigned __int128 left = static_cast<unsigned __int128>(a.Wrong) * b.Tries;
        const unsigned __int128 right = static_cast<unsigned __int128>(b.Wrong) * a.Tries;
        if (left != right) return left > right;
        return a.Wrong > b.Wrong;
    });
    std::vector<TWeakKey> weak;
    for (const TCandidate& c : candidates) {
        if (weak.size() == count) break;
        weak.push_back({c.Char, 100.0 * static_cast<double>(c.Wrong) / static_cast<double>(c.Tries)});
    }
    return weak;
}

TLearnerFigures LearnerFigures(const std::vector<TDrillRecord>& drills, const TDayRange& range,
                               std::int64_t today) {
    TLearnerFigures figures;
    figures.ActivityEnd = range.To.value_or(today);
    std::map<std::int64_t, TDayProgress> days;
    for (const TDrillRecord& drill : drills) {
        const std::int64_t day = DayOf(drill.When);
        if (!range.Contains(day)) continue;
        ++figures.Drills;
        figures.Tenths += drill.CountedTenths;
        if (day <= figures.ActivityEnd && day > figures.ActivityEnd - kWeekDays) {
            ++figures.RecentDrills;
            figures.RecentTenths += drill.CountedTenths;
        }
        TDayProgress& d = days[day];
        d.Day = day;
        d.Add(drill);
        figures.Chars.Add(drill);
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
        AddDay(figures.Whole, progress);
    }
    figures.Weak = WeakKeys(figures.Chars, kWeakKeysCount);
    return figures;
}

std::optional<double> Median(std::vector<double> values) {
    if (values.empty()) return std::nullopt;
    const std::size_t middle = values.size() / 2;
    std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(middle), values.end());
    if (values.size() % 2 == 1) return values[middle];
    const double upper = values[middle];
    const double lower =
        *std::max_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(middle));
    return (lower + upper) / 2;
}

}  // namespace teclarium
