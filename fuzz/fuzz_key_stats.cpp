// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The key statistics on any history and any set of wanted characters (the input's
// first byte says how many of the next bytes name them): each wanted character's
// keys, timed and typed, are those of every record read, up to the 30 of its window;
// the figures are never negative, the right keys never more than those typed, the
// speed and accuracy finite; characters not wanted have no figures; and where some
// wanted character is never full the whole file is read, skipping the lines that
// the progress reader skips.
#include <array>
#include <cmath>
#include <string>

#include "course/key_stats.h"
#include "fuzz_check.h"
#include "progress/history_file.h"

using namespace teclarium;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::size_t charCount = std::min<std::size_t>(data[0] % 8, size - 1);
    const std::string_view chars = Bytes(data + 1, charCount);
    const std::string_view bytes = Bytes(data + 1 + charCount, size - 1 - charCount);
    const TKeyStatsResult result = KeyStatsOfHistory(bytes, chars);

    std::array<bool, 256> wanted{};
    for (const char c : chars) wanted[static_cast<unsigned char>(c)] = true;
    // Every key of each character over the whole file, as the progress reader reads it.
    std::array<double, 256> timed{}, typed{};
    const std::size_t badLines = ForEachRecord(bytes, [&](const TDrillRecord& r) {
        for (const TCharTally& t : r.Chars) {
            timed[t.Char] += t.Timed;
            typed[t.Char] += double(t.Right) + t.Wrong;
        }
    });
    bool allFull = true;
    for (int ch = 0; ch < 256; ++ch) {
        const TKeyStat& s = result.Stats[std::size_t(ch)];
        if (!wanted[std::size_t(ch)]) {
            FUZZ_CHECK(s.Timed == 0 && s.TimedMs == 0 && s.Typed == 0 && s.Right == 0);
            continue;
        }
        FUZZ_CHECK(s.Timed == std::min(kKeyWindow, timed[std::size_t(ch)]));
        FUZZ_CHECK(s.Typed == std::min(kKeyWindow, typed[std::size_t(ch)]));
        FUZZ_CHECK(s.TimedMs >= 0 && s.Right >= 0);
        FUZZ_CHECK(s.Right <= s.Typed * (1 + 1e-12));
        FUZZ_CHECK(std::isfinite(s.Speed()) && s.Speed() >= 0);
        FUZZ_CHECK(std::isfinite(s.Accuracy()) && s.Accuracy() >= 0 && s.Accuracy() <= 100 + 1e-9);
        allFull = allFull && s.Full();
    }
    // A file that ends in a line break: the cut-line rule of the two readers agrees.
    if (!allFull && bytes.ends_with('\n')) FUZZ_CHECK(result.BadLines == badLines);
    return 0;
}
