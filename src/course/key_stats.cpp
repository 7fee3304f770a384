// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "course/key_stats.h"

#include <algorithm>

#include "progress/history_file.h"
#include "util/codec.h"
#include "util/files.h"

namespace teclarium {
namespace {

// Adds count keys of value total in all, or the share of them that still fits.
void AddShare(double& counted, double& sum, double count, double total) {
    const double room = kKeyWindow - counted;
    if (room <= 0 || count <= 0) return;
    const double taken = std::min(room, count);
    counted += taken;
    sum += total * taken / count;
}

}  // namespace

void AddOlderDrill(TKeyStats& stats, const TDrillRecord& record, const std::array<bool, 256>& wanted) {
    for (const TCharTally& t : record.Chars) {
        if (!wanted[t.Char]) continue;
        TKeyStat& s = stats[t.Char];
        AddShare(s.Timed, s.TimedMs, t.Timed, t.TimedMs);
        AddShare(s.Typed, s.Right, double(t.Right) + t.Wrong, t.Right);
    }
}

TKeyStatsResult KeyStatsOfHistory(std::string_view bytes, std::string_view chars) {
    TKeyStatsResult result;
    bytes = SkipByteOrderMark(bytes);  // an editor's, before the header
    std::array<bool, 256> wanted{};
    std::size_t open = 0;
    for (char c : chars) {
        if (!wanted[static_cast<unsigned char>(c)]) ++open;
        wanted[static_cast<unsigned char>(c)] = true;
    }
    // A last line without its line end was cut while written.
    std::size_t end = bytes.rfind('\n');
    if (end != std::string_view::npos && end + 1 < bytes.size()) ++result.BadLines;
    TDrillRecord record;
    while (open > 0 && end != std::string_view::npos) {
        const std::size_t previous = end == 0 ? std::string_view::npos : bytes.rfind('\n', end - 1);
        const std::size_t start = previous == std::string_view::npos ? 0 : previous + 1;
        std::string_view line = bytes.substr(start, end - start);
        end = previous;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty() || (start == 0 && line.starts_with("#historial "))) continue;
        if (!ParseRecord(line, record)) {
            ++result.BadLines;
            continue;
        }
        AddOlderDrill(result.Stats, record, wanted);
        for (const TCharTally& t : record.Chars) {
            if (wanted[t.Char] && result.Stats[t.Char].Full()) {
                wanted[t.Char] = false;
                --open;
            }
        }
    }
    return result;
}

TKeyStatsResult ReadKeyStats(const std::string& historyFile, std::string_view chars) {
    if (!FileExists(historyFile)) return {};
    return KeyStatsOfHistory(ReadHistoryBytes(historyFile), chars);
}

}  // namespace teclarium
