// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The history reader on any file: every line it accepts is a record as this program
// writes them (characters and what was typed instead in byte order, each once, the
// misses adding up to the wrong keys, no more timed keys than right ones), which
// formats to one line that reads back to the same record and formats the same again;
// each line is a record, skipped, blank or the header; the days add up the records.
#include <string>

#include "fuzz_check.h"
#include "progress/history_file.h"

using namespace teclarium;

namespace {

void CheckRecord(const TDrillRecord& r) {
    auto miss = r.Misses.begin();
    for (std::size_t i = 0; i < r.Chars.size(); ++i) {
        const TCharTally& t = r.Chars[i];
        FUZZ_CHECK(i == 0 || r.Chars[i - 1].Char < t.Char);
        FUZZ_CHECK(t.Timed <= t.Right);
        FUZZ_CHECK(t.Timed > 0 || t.TimedMs == 0);
        std::uint64_t missed = 0;
        for (; miss != r.Misses.end() && miss->Expected == t.Char; ++miss) {
            FUZZ_CHECK(miss->Count > 0);
            FUZZ_CHECK(miss + 1 == r.Misses.end() || miss[1].Expected != t.Char ||
                       miss->Typed < miss[1].Typed);
            missed += miss->Count;
        }
        FUZZ_CHECK(missed == t.Wrong);
    }
    // Every miss belongs to a counted character.
    FUZZ_CHECK(miss == r.Misses.end());

    const std::string line = FormatRecord(r);
    FUZZ_CHECK(line.find_first_of("\r\n") == std::string::npos);
    TDrillRecord again;
    FUZZ_CHECK(ParseRecord(line, again));
    FUZZ_CHECK(again == r);
    FUZZ_CHECK(FormatRecord(again) == line);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = Bytes(data, size);
    const TProgress progress = ReadProgress(bytes);
    if (HistoryVersion(bytes) > kHistoryVersion) {
        FUZZ_CHECK(progress.Newer && progress.Drills == 0 && progress.Days.empty());
        return 0;
    }
    FUZZ_CHECK(!progress.Newer);

    std::size_t drills = 0;
    std::uint64_t correct = 0, wrong = 0, tenths = 0;
    const std::size_t badLines = ForEachRecord(bytes, [&](const TDrillRecord& r) {
        CheckRecord(r);
        ++drills;
        correct += r.CorrectKeys;
        wrong += r.WrongKeys;
        tenths += r.CountedTenths;
    });
    FUZZ_CHECK(drills == progress.Drills && badLines == progress.BadLines);

    // Every line is a record, a skipped one, a blank one or the first line's header.
    std::size_t lines = 0, blank = 0;
    const std::size_t head = bytes.starts_with("\xEF\xBB\xBF") ? 3 : 0;  // an editor's byte-order mark
    for (std::size_t start = head; start < bytes.size(); ++lines) {
        std::size_t end = bytes.find('\n', start);
        const bool cut = end == std::string_view::npos;
        if (cut) end = bytes.size();
        std::string_view line = bytes.substr(start, end - start);
        if (!cut && line.ends_with('\r')) line.remove_suffix(1);
        if (!cut && (line.empty() || (start == head && line.starts_with("#historial ")))) ++blank;
        start = end + 1;
    }
    FUZZ_CHECK(drills + badLines + blank == lines);

    FUZZ_CHECK(progress.Days.size() <= drills);
    std::uint64_t dayCorrect = 0, dayWrong = 0, dayTenths = 0;
    for (std::size_t i = 0; i < progress.Days.size(); ++i) {
        const TDayProgress& d = progress.Days[i];
        FUZZ_CHECK(i == 0 || progress.Days[i - 1].Day < d.Day);
        dayCorrect += d.CorrectKeys;
        dayWrong += d.WrongKeys;
        dayTenths += d.Tenths;
        const double rate = d.WrongPerHundred();
        FUZZ_CHECK(rate >= 0 && rate <= 100);
        FUZZ_CHECK(d.KeysPerMinute() >= 0);
    }
    FUZZ_CHECK(dayCorrect == correct && dayWrong == wrong && dayTenths == tenths);
    return 0;
}
