// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "report/learner_summary.h"

#include <sys/stat.h>

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "util/text.h"

namespace teclarium {
namespace {

constexpr std::string_view kCacheHeader = "#resum-historial 1";

// Reads the unsigned numbers of a line separated by single spaces, in order.
class TNumbers {
  public:
    explicit TNumbers(std::string_view text) : FText(text) {}
    template <typename T>
    bool Next(T& value) {
        if (!FText.empty() && FText.front() == ' ') FText.remove_prefix(1);
        const auto [end, error] = std::from_chars(FText.data(), FText.data() + FText.size(), value);
        if (error != std::errc() || end == FText.data()) return false;
        FText.remove_prefix(static_cast<std::size_t>(end - FText.data()));
        return true;
    }
    bool AtEnd() const { return FText.empty(); }

  private:
    std::string_view FText;
};

}  // namespace

void TSummaryBuilder::Add(const TDrillRecord& drill) {
    TDay& day = FDays[DayOf(drill.When)];
    ++day.Sums.Drills;
    day.Sums.CorrectKeys += drill.CorrectKeys;
    day.Sums.WrongKeys += drill.WrongKeys;
    day.Sums.Tenths += drill.CountedTenths;
    for (const TCharTally& t : drill.Chars) {
        TCharDay& c = day.Chars[t.Char];
        c.Char = t.Char;
        c.Right += t.Right;
        c.Wrong += t.Wrong;
    }
    ++FDrills;
}

TLearnerSummary TSummaryBuilder::Take(std::size_t badLines) {
    TLearnerSummary summary;
    summary.BadLines = badLines;
    summary.Drills = FDrills;
    summary.Days.reserve(FDays.size());
    for (auto& [day, d] : FDays) {
        d.Sums.Day = day;
        d.Sums.Chars.reserve(d.Chars.size());
        for (const auto& [ch, c] : d.Chars) d.Sums.Chars.push_back(c);
        summary.Days.push_back(std::move(d.Sums));
    }
    FDays.clear();
    FDrills = 0;
    return summary;
}

TLearnerSummary Summarise(const std::vector<TDrillRecord>& drills) {
    TSummaryBuilder builder;
    for (const TDrillRecord& drill : drills) builder.Add(drill);
    return builder.Take(0);
}

std::optional<TFileStamp> FileStamp(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    return TFileStamp{path, static_cast<std::uint64_t>(st.st_size),
                      static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec};
}

// The text: the header; the path; size, time, bad lines and drills; then a line a
// day: the day, drills, right and wrong keys and time, then each character's byte,
// right and wrong keys. The path is the only text: a
// path holding a line break is never cached.
std::string SummaryCacheText(const TFileStamp& stamp, const TLearnerSummary& summary) {
    std::string text(kCacheHeader);
    text.append("\r\n").append(stamp.Path).append("\r\n");
    text += std::to_string(stamp.Size) + ' ' + std::to_string(stamp.ModifiedNs) + ' ' +
            std::to_string(summary.BadLines) + ' ' + std::to_string(summary.Drills) + "\r\n";
    for (const TDaySummary& d : summary.Days) {
        text += std::to_string(d.Day) + ' ' + std::to_string(d.Drills) + ' ' + std::to_string(d.CorrectKeys) +
                ' ' + std::to_string(d.WrongKeys) + ' ' + std::to_string(d.Tenths);
        for (const TCharDay& c : d.Chars)
            text +=
                ' ' + std::to_string(c.Char) + ' ' + std::to_string(c.Right) + ' ' + std::to_string(c.Wrong);
        text += "\r\n";
    }
    return text;
}

std::optional<TLearnerSummary> ParseSummaryCache(std::string_view text, const TFileStamp& stamp) {
    TLearnerSummary summary;
    int number = 0;
    bool good = true;
    ForEachLine(text, [&](std::string_view line) {
        ++number;
        if (number == 1) return good = line == kCacheHeader;
        if (number == 2) return good = line == stamp.Path;
        TNumbers in(line);
        if (number == 3) {
            TFileStamp read{stamp.Path};
            good = in.Next(read.Size) && in.Next(read.ModifiedNs) && in.Next(summary.BadLines) &&
                   in.Next(summary.Drills) && in.AtEnd() && read == stamp;
            return good;
        }
        TDaySummary& d = summary.Days.emplace_back();
        // Five numbers, then three a character: no more room than they take.
        const auto numbers = static_cast<std::size_t>(std::count(line.begin(), line.end(), ' ')) + 1;
        if (numbers > 5) d.Chars.reserve((numbers - 5) / 3);
        good = in.Next(d.Day) && in.Next(d.Drills) && in.Next(d.CorrectKeys) && in.Next(d.WrongKeys) &&
               in.Next(d.Tenths) &&
               (summary.Days.size() == 1 || d.Day > summary.Days[summary.Days.size() - 2].Day);
        while (good && !in.AtEnd()) {
            unsigned ch = 0;
            TCharDay& c = d.Chars.emplace_back();
            good = in.Next(ch) && ch < 256 && in.Next(c.Right) && in.Next(c.Wrong);
            c.Char = static_cast<unsigned char>(ch);
        }
        return good;
    });
    if (!good || number < 3) return std::nullopt;
    summary.Days.shrink_to_fit();
    // A file cut at the end of a line still adds up to the drills it names: or not.
    std::size_t drills = 0;
    for (const TDaySummary& d : summary.Days) drills += d.Drills;
    if (drills != summary.Drills) return std::nullopt;
    return summary;
}

std::string SummaryCacheFile(const std::string& cacheFolder, const std::string& historyPath) {
    // FNV-1a, 64 bits: a name for the path; the path inside tells a clash.
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : historyPath) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    char name[32];
    std::snprintf(name, sizeof name, "%016llx.resum", static_cast<unsigned long long>(hash));
    return cacheFolder + '/' + name;
}

}  // namespace teclarium
