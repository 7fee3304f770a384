// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// One remembered drill and its line in the history file: Windows-1252 text, fields
// separated by tabs, the per-character counts written so that a person can read
// them: {a=12/1[s*1] à=3/2[a*2]} means a typed right 12 times and wrong once (s
// instead), à right 3 times and wrong twice (a instead both times). Characters, and
// what was typed instead of each, come in the order of their bytes, each once.
// Lines of version 2 add a last field, the time of the right keys that were timed:
// {a=2150:9 à=900:2} means 9 of a's right keys took 2150 ms together. A line of
// version 1 ends after the counts (its keys' times are unknown); both are read
// whatever version the file's header names, so a file begun in version 1 takes
// lines of version 2 and keeps its old ones.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace teclarium {

// How often one character of the words was typed right and wrong.
struct TCharTally {
    unsigned char Char = 0;
    std::uint32_t Right = 0;
    std::uint32_t Wrong = 0;
    std::uint32_t Timed = 0;    // right keys that were timed (at most Right)
    std::uint32_t TimedMs = 0;  // their time, milliseconds
    bool operator==(const TCharTally&) const = default;
};

// What was typed instead of a character, and how often.
struct TMiss {
    unsigned char Expected = 0;
    unsigned char Typed = 0;
    std::uint32_t Count = 0;
    bool operator==(const TMiss&) const = default;
};

struct TDrillRecord {
    std::int64_t When = 0;  // local date and time, seconds since 1970-01-01 00:00
    std::string Source;     // exercise file name, pattern name or "portapapers"
    std::uint32_t Words = 0;
    std::uint32_t CorrectKeys = 0;
    std::uint32_t WrongKeys = 0;
    std::uint32_t OmittedWords = 0;
    std::uint32_t CountedTenths = 0;  // counted time, tenths of a second
    std::uint32_t PauseTenths = 0;    // discounted pauses, tenths of a second
    std::uint32_t SecondsPerWordTenths = 0;
    std::uint32_t WordsPerMinuteTenths = 0;
    std::uint32_t KeysPerMinute = 0;
    std::vector<TCharTally> Chars;  // by character
    std::vector<TMiss> Misses;      // by expected, then typed character
    bool operator==(const TDrillRecord&) const = default;
};

// The file's first line: its format version and the names of the columns.
inline constexpr std::string_view kHistoryHeader =
    "#historial 2\tdata\tfont\tparaules\tcorrectes\terrades\tomeses\ttemps_s\tpauses_s\tseg_paraula\t"
    "paraules_minut\ttecles_minut\tcaracters\ttemps_tecles";

// The record as one line, without its line break. Control characters in the source
// become spaces.
std::string FormatRecord(const TDrillRecord& record);

// Reads a line (without its line break) into record, reusing its storage. False
// when the line is not a whole, well-formed record.
bool ParseRecord(std::string_view line, TDrillRecord& record);

// The day of a date and time: days since 1970-01-01, also before it.
inline std::int64_t DayOf(std::int64_t seconds) {
    return seconds >= 0 ? seconds / 86400 : -((-seconds + 86399) / 86400);
}

// "2026-12-07 10:44:14" and back; nullopt for anything else.
std::string FormatDateTime(std::int64_t seconds);
std::optional<std::int64_t> ParseDateTime(std::string_view text);

}  // namespace teclarium
