// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "progress/drill_record.h"

#include <array>
#include <charconv>
#include <chrono>
#include <cstdio>

namespace teclarium {
namespace {

// Bytes written as #XX: controls, space, the format's own marks, the five bytes
// Windows-1252 leaves undefined, and the invisible no-break space and soft hyphen.
constexpr std::array<bool, 256> kEscaped = [] {
    std::array<bool, 256> t{};
    for (int ch = 0; ch <= ' '; ++ch) t[ch] = true;
    for (unsigned char ch : std::string_view("#=/[]*,{}\x7F\x81\x8D\x8F\x90\x9D\xA0\xAD")) t[ch] = true;
    return t;
}();

bool NeedsEscape(unsigned char ch) {
    return kEscaped[ch];
}

void AppendChar(std::string& out, unsigned char ch) {
    if (!NeedsEscape(ch)) {
        out += static_cast<char>(ch);
        return;
    }
    static constexpr char kHex[] = "0123456789ABCDEF";
    out += '#';
    out += kHex[ch >> 4];
    out += kHex[ch & 15];
}

void AppendTenths(std::string& out, std::uint32_t tenths) {
    out += std::to_string(tenths / 10);
    out += '.';
    out += static_cast<char>('0' + tenths % 10);
}

// A cursor over one line.
struct TReader {
    const char* P;
    const char* End;

    bool At(char c) const { return P != End && *P == c; }
    bool Take(char c) {
        if (!At(c)) return false;
        ++P;
        return true;
    }
    bool Number(std::uint32_t& value) {
        const auto r = std::from_chars(P, End, value);
        if (r.ec != std::errc() || r.ptr == P) return false;
        P = r.ptr;
        return true;
    }
    // "12.3" as 123.
    bool Tenths(std::uint32_t& value) {
        std::uint32_t whole = 0;
        if (!Number(whole) || !Take('.') || P == End || *P < '0' || *P > '9') return false;
        const std::uint64_t tenths = std::uint64_t{whole} * 10 + static_cast<std::uint64_t>(*P - '0');
        if (tenths > UINT32_MAX) return false;
        ++P;
        value = static_cast<std::uint32_t>(tenths);
        return true;
    }
    static int HexDigit(char c) {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    }
    bool Char(unsigned char& ch) {
        if (P == End) return false;
        if (*P != '#') {
            ch = static_cast<unsigned char>(*P);
            if (NeedsEscape(ch)) return false;
            ++P;
            return true;
        }
        if (End - P < 3) return false;
        const int high = HexDigit(P[1]), low = HexDigit(P[2]);
        if (high < 0 || low < 0) return false;
        ch = static_cast<unsigned char>(high * 16 + low);
        P += 3;
        return true;
    }
    // The text up to the next tab, and the tab.
    bool Field(std::string_view& field) {
        const char* start = P;
        while (P != End && *P != '\t') ++P;
        field = std::string_view(start, static_cast<std::size_t>(P - start));
        return Take('\t');
    }
    bool NumberField(std::uint32_t& value) { return Number(value) && Take('\t'); }
    bool TenthsField(std::uint32_t& value) { return Tenths(value) && Take('\t'); }
};

// Characters come in the order of their bytes, each once, as they are written: a
// line out of that order is no line of this program's, and is refused as damaged.
bool ParseTally(TReader& in, TDrillRecord& record) {
    TCharTally tally;
    if (!in.Char(tally.Char) || !in.Take('=') || !in.Number(tally.Right) || !in.Take('/') ||
        !in.Number(tally.Wrong))
        return false;
    if (!record.Chars.empty() && record.Chars.back().Char >= tally.Char) return false;
    std::uint64_t missed = 0;
    if (in.Take('[')) {
        do {
            TMiss miss{tally.Char, 0, 0};
            if (!in.Char(miss.Typed) || !in.Take('*') || !in.Number(miss.Count) || miss.Count == 0)
                return false;
            if (missed > 0 && record.Misses.back().Typed >= miss.Typed) return false;
            missed += miss.Count;
            record.Misses.push_back(miss);
        } while (in.Take(','));
        if (!in.Take(']')) return false;
    }
    // Every wrong key has the character typed instead.
    if (missed != tally.Wrong) return false;
    record.Chars.push_back(tally);
    return true;
}

bool ParseChars(TReader& in, TDrillRecord& record) {
    if (!in.Take('{')) return false;
    if (in.Take('}')) return true;
    do {
        if (!ParseTally(in, record)) return false;
    } while (in.Take(' '));
    return in.Take('}');
}

// "a=2150:9": the time of a character's timed keys, which the counts name; the
// characters in the counts' order. next: the first of the counts not yet timed.
bool ParseTiming(TReader& in, TDrillRecord& record, std::size_t& next) {
    unsigned char ch = 0;
    std::uint32_t ms = 0, timed = 0;
    if (!in.Char(ch) || !in.Take('=') || !in.Number(ms) || !in.Take(':') || !in.Number(timed) || timed == 0)
        return false;
    for (; next < record.Chars.size(); ++next) {
        TCharTally& t = record.Chars[next];
        if (t.Char != ch) continue;
        if (timed > t.Right) return false;
        t.Timed = timed;
        t.TimedMs = ms;
        ++next;
        return true;
    }
    return false;
}

// Nothing more (version 1), or the field of the keys' times (version 2).
bool ParseTimings(TReader& in, TDrillRecord& record) {
    if (in.P == in.End) return true;
    if (!in.Take('\t') || !in.Take('{')) return false;
    if (!in.Take('}')) {
        std::size_t next = 0;
        do {
            if (!ParseTiming(in, record, next)) return false;
        } while (in.Take(' '));
        if (!in.Take('}')) return false;
    }
    return in.P == in.End;
}

}  // namespace

std::string FormatDateTime(std::int64_t seconds) {
    using namespace std::chrono;
    const std::int64_t day = DayOf(seconds);
    const std::int64_t inDay = seconds - day * 86400;
    const year_month_day date{sys_days{days{day}}};
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u %02d:%02d:%02d", int(date.year()),
                  unsigned(date.month()), unsigned(date.day()), int(inDay / 3600), int(inDay / 60 % 60),
                  int(inDay % 60));
    return text;
}

std::optional<std::int64_t> ParseDateTime(std::string_view text) {
    using namespace std::chrono;
    // YYYY-MM-DD HH:MM:SS: the digits' places and the separators between them.
    static constexpr std::string_view kShape = "9999-99-99 99:99:99";
    if (text.size() != kShape.size()) return std::nullopt;
    for (std::size_t i = 0; i < kShape.size(); ++i)
        if (kShape[i] == '9' ? (text[i] < '0' || text[i] > '9') : text[i] != kShape[i]) return std::nullopt;
    const auto number = [&](std::size_t at, std::size_t width) {
        int n = 0;
        for (std::size_t i = at; i < at + width; ++i) n = n * 10 + (text[i] - '0');
        return n;
    };
    const year_month_day date{year{number(0, 4)}, month{unsigned(number(5, 2))}, day{unsigned(number(8, 2))}};
    const int h = number(11, 2), m = number(14, 2), s = number(17, 2);
    if (!date.ok() || h > 23 || m > 59 || s > 59) return std::nullopt;
    return std::int64_t{sys_days{date}.time_since_epoch().count()} * 86400 + h * 3600 + m * 60 + s;
}

std::string FormatRecord(const TDrillRecord& r) {
    std::string line = FormatDateTime(r.When);
    line += '\t';
    for (char c : r.Source) line += static_cast<unsigned char>(c) < ' ' ? ' ' : c;
    for (std::uint32_t n : {r.Words, r.CorrectKeys, r.WrongKeys, r.OmittedWords}) {
        line += '\t';
        line += std::to_string(n);
    }
    for (std::uint32_t tenths :
         {r.CountedTenths, r.PauseTenths, r.SecondsPerWordTenths, r.WordsPerMinuteTenths}) {
        line += '\t';
        AppendTenths(line, tenths);
    }
    line += '\t';
    line += std::to_string(r.KeysPerMinute);
    line += "\t{";
    auto miss = r.Misses.begin();
    for (std::size_t i = 0; i < r.Chars.size(); ++i) {
        const TCharTally& t = r.Chars[i];
        if (i > 0) line += ' ';
        AppendChar(line, t.Char);
        line += '=' + std::to_string(t.Right) + '/' + std::to_string(t.Wrong);
        while (miss != r.Misses.end() && miss->Expected < t.Char) ++miss;
        bool open = false;
        for (; miss != r.Misses.end() && miss->Expected == t.Char; ++miss) {
            line += open ? ',' : '[';
            open = true;
            AppendChar(line, miss->Typed);
            line += '*' + std::to_string(miss->Count);
        }
        if (open) line += ']';
    }
    line += "}\t{";
    bool first = true;
    for (const TCharTally& t : r.Chars) {
        if (t.Timed == 0) continue;
        if (!first) line += ' ';
        first = false;
        AppendChar(line, t.Char);
        line += '=' + std::to_string(t.TimedMs) + ':' + std::to_string(t.Timed);
    }
    line += '}';
    return line;
}

bool ParseRecord(std::string_view line, TDrillRecord& r) {
    r.Chars.clear();
    r.Misses.clear();
    TReader in{line.data(), line.data() + line.size()};
    std::string_view date, source;
    if (!in.Field(date) || !in.Field(source)) return false;
    const auto when = ParseDateTime(date);
    if (!when) return false;
    r.When = *when;
    // Written with its control characters as spaces.
    for (const char c : source)
        if (static_cast<unsigned char>(c) < ' ') return false;
    r.Source.assign(source);
    return in.NumberField(r.Words) && in.NumberField(r.CorrectKeys) && in.NumberField(r.WrongKeys) &&
           in.NumberField(r.OmittedWords) && in.TenthsField(r.CountedTenths) &&
           in.TenthsField(r.PauseTenths) && in.TenthsField(r.SecondsPerWordTenths) &&
           in.TenthsField(r.WordsPerMinuteTenths) && in.NumberField(r.KeysPerMinute) && ParseChars(in, r) &&
           ParseTimings(in, r);
}

}  // namespace teclarium
