// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The history file: one per settings file, beside it and named after it, one line
// per drill after a header line. Appending writes a whole line at once; reading
// skips and counts what cannot be read, including a last line that a crash cut.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "progress/drill_record.h"

namespace teclarium {

// Far above any real history (100,000 drills take about 25 MB): a larger file is
// refused by name and size.
inline constexpr std::uint64_t kHistoryFileMaxBytes = 256u << 20;

// The version of the file's format that this program reads and writes. A file
// whose header names a higher one is refused: never read as this version, never
// appended to.
inline constexpr std::uint64_t kHistoryVersion = 2;
// The version that a file starting with these bytes names in its header line ("#historial"
// and a number): 0 when they start with no header or the header names no number.
std::uint64_t HistoryVersion(std::string_view fileStart);

// A history file's bytes (within the history size limit). Throws TAppError when it
// cannot be read, and kMsgHistoryNewer for a file of a newer version.
std::string ReadHistoryBytes(const std::string& historyFile);

// "<folder>/<name>.hist" for the settings file "<folder>/<name>.ini".
std::string HistoryFileName(std::string_view settingsFile);

// Appends the record as one line, writing the header first into a new or empty
// file, and starting on a new line after a cut last line. Copies appending to one
// file at once take turns (an advisory lock held for the append only). Throws TAppError when
// the file cannot be written (it then keeps the length it had: no part of the line
// stays), is no regular file, or is of a newer version, and, in a folder that others
// may write, when the rules of shared folders refuse it (shared_folder.h): no link
// there is followed. The line is on the disk when this returns.
void AppendRecord(const std::string& historyFile, const TDrillRecord& record);

// The drills of one day (local date).
struct TDayProgress {
    std::int64_t Day = 0;  // days since 1970-01-01
    std::uint64_t CorrectKeys = 0;
    std::uint64_t WrongKeys = 0;
    std::uint64_t Tenths = 0;  // counted time
    std::uint64_t Words = 0;   // words finished
    void Add(const TDrillRecord& record);
    double KeysPerMinute() const;
    double WrongPerHundred() const;  // wrong keys per hundred keys typed
    // As the drill's own report: words finished × 600 / tenths.
    double WordsPerMinute() const;
    double AccuracyPercent() const;  // right keys per hundred keys typed
};

// Every drill's per-character counts added up.
struct TCharStats {
    std::array<std::uint64_t, 256> Right{};
    std::array<std::uint64_t, 256> Wrong{};
    // Instead[expected * 256 + typed]: how often typed came instead of expected.
    std::vector<std::uint64_t> Instead = std::vector<std::uint64_t>(256 * 256);
    void Add(const TDrillRecord& record);
};

struct TProgress {
    std::vector<TDayProgress> Days;  // by date
    TCharStats Chars;
    std::size_t Drills = 0;
    std::size_t BadLines = 0;  // lines skipped because they could not be read
    bool Newer = false;        // the file is of a newer version: nothing of it was read
};

// Calls each with every record of the file's bytes, in file order, skipping the
// header line and empty lines; each may take the record's contents. Returns how
// many lines were skipped because they could not be read.
std::size_t ForEachRecord(std::string_view fileBytes, const std::function<void(TDrillRecord&)>& each);

TProgress ReadProgress(std::string_view fileBytes);
// A missing file is an empty history; one that cannot be read, or is of a newer
// version, throws TAppError.
TProgress ReadProgressFile(const std::string& historyFile);

}  // namespace teclarium
