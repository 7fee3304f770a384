// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "progress/drill_recorder.h"

#include <QDateTime>
#include <QString>
#include <algorithm>
#include <cmath>

#include "drill/report.h"
#include "progress/history_file.h"
#include "util/codec.h"

namespace teclarium {
namespace {

std::uint32_t Clamped(long long value) {
    return static_cast<std::uint32_t>(std::clamp<long long>(value, 0, UINT32_MAX));
}

}  // namespace

void TDrillRecorder::SetSourceFile(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    FSource = ToAnsi(QString::fromUtf8(path.substr(slash == std::string::npos ? 0 : slash + 1)));
}

void TDrillRecorder::DrillStarted() {
    FRight.fill(0);
    FTimed.fill(0);
    FTimedDays.fill(0);
    FMisses.clear();
}

void TDrillRecorder::DrillReported(const TDrillFigures& figures, double now) {
    if (FHistoryFile.empty()) return;
    const TDrillRecord record = Record(figures, now);
    AppendRecord(FHistoryFile, record);
    if (FRecorded) FRecorded(record);
}

TDrillRecord TDrillRecorder::Record(const TDrillFigures& figures, double now) const {
    const TDrillRates rates = DrillRates(figures);
    TDrillRecord r;
    r.When = LocalSeconds(now);
    r.Source = FSource;
    r.Words = figures.Words;
    r.CorrectKeys = figures.CorrectKeys;
    r.WrongKeys = figures.WrongKeys;
    r.OmittedWords = figures.OmittedWords;
    r.CountedTenths = Clamped(rates.Tenths);
    r.PauseTenths = Clamped(Tenths(figures.PauseDiscount));
    r.SecondsPerWordTenths = Clamped(std::llround(rates.SecondsPerWord * 10));
    r.WordsPerMinuteTenths = Clamped(std::llround(rates.WordsPerMinute * 10));
    r.KeysPerMinute = Clamped(rates.KeysPerMinute);
    std::array<std::uint32_t, 256> wrong{};
    std::vector<std::pair<unsigned char, unsigned char>> misses = FMisses;
    std::sort(misses.begin(), misses.end());
    for (const auto& [expected, typed] : misses) {
        ++wrong[expected];
        if (!r.Misses.empty() && r.Misses.back().Expected == expected && r.Misses.back().Typed == typed)
            ++r.Misses.back().Count;
        else
            r.Misses.push_back({expected, typed, 1});
    }
    for (int ch = 1; ch < 256; ++ch)
        if (FRight[ch] != 0 || wrong[ch] != 0)
            r.Chars.push_back({static_cast<unsigned char>(ch), FRight[ch], wrong[ch], FTimed[ch],
                               Clamped(std::llround(FTimedDays[ch] * 86400000.0))});
    return r;
}

std::int64_t LocalSeconds(double utcDays) {
    const QDateTime local = QDateTime::fromMSecsSinceEpoch(std::llround(utcDays * 86400000.0));  // local time
    return local.toSecsSinceEpoch() + local.offsetFromUtc();
}

}  // namespace teclarium
