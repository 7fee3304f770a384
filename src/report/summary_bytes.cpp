// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "report/summary_bytes.h"

#include <cstdint>

namespace teclarium {
namespace {

// What a summary read back may hold: days between 1900 and 2199, no day faster
// than any typist (keys a minute), and no drill longer than a drill's time can be.
constexpr std::int64_t kFirstDay = -25567;
constexpr std::int64_t kLastDay = 84005;
constexpr std::uint64_t kMaxKeysPerMinute = 1500;
constexpr std::uint64_t kMaxDrillTenths = 65535;
constexpr std::uint64_t kMaxDrillWords = 65535;

bool SensibleDay(const TDaySummary& d) {
    return d.Day >= kFirstDay && d.Day <= kLastDay && d.Drills > 0 &&
           d.Tenths <= d.Drills * kMaxDrillTenths && d.CorrectKeys <= kMaxKeysPerMinute * d.Tenths / 600 &&
           d.Words <= d.Drills * kMaxDrillWords;
}

// A character's right and wrong keys as variable-length numbers: 7 bits a byte,
// the high bit set on all but the last.
void PutNumber(std::string& bytes, std::uint64_t value) {
    while (value >= 0x80) {
        bytes += static_cast<char>((value & 0x7F) | 0x80);
        value >>= 7;
    }
    bytes += static_cast<char>(value);
}

bool GetNumber(std::string_view& bytes, std::uint64_t& value) {
    std::uint64_t read = 0;
    for (int shift = 0; shift < 64 && !bytes.empty(); shift += 7) {
        const auto byte = static_cast<unsigned char>(bytes.front());
        bytes.remove_prefix(1);
        read |= std::uint64_t(byte & 0x7F) << shift;
        if (!(byte & 0x80)) {
            value = read;
            return true;
        }
    }
    return false;
}

bool GetNumber(std::string_view& bytes, std::uint32_t& value) {
    std::uint64_t read = 0;
    if (!GetNumber(bytes, read) || read > UINT32_MAX) return false;
    value = static_cast<std::uint32_t>(read);
    return true;
}

}  // namespace

// The days' sums, each day after the one before: the days between (as a day before
// 1970 is below zero, kept as 2n, or 2n - 1 below zero), the drills, keys, time
// and words.
std::string DaysBytes(const std::vector<TDaySummary>& days) {
    std::string bytes;
    std::int64_t last = 0;
    for (const TDaySummary& d : days) {
        const std::uint64_t step = static_cast<std::uint64_t>(d.Day) - static_cast<std::uint64_t>(last);
        PutNumber(bytes, (step << 1) ^ (static_cast<std::int64_t>(step) < 0 ? ~std::uint64_t(0) : 0));
        last = d.Day;
        for (std::uint64_t value : {std::uint64_t(d.Drills), d.CorrectKeys, d.WrongKeys, d.Tenths, d.Words})
            PutNumber(bytes, value);
    }
    return bytes;
}

bool GetDays(std::string_view bytes, std::vector<TDaySummary>& days) {
    std::uint64_t last = 0;
    while (!bytes.empty()) {
        TDaySummary d;
        std::uint64_t step = 0;
        if (!GetNumber(bytes, step) || !GetNumber(bytes, d.Drills) || !GetNumber(bytes, d.CorrectKeys) ||
            !GetNumber(bytes, d.WrongKeys) || !GetNumber(bytes, d.Tenths) || !GetNumber(bytes, d.Words))
            return false;
        last += (step >> 1) ^ (step & 1 ? ~std::uint64_t(0) : 0);
        d.Day = static_cast<std::int64_t>(last);
        // In date order, each day once.
        if (!SensibleDay(d) || (!days.empty() && d.Day <= days.back().Day)) return false;
        days.push_back(std::move(d));
    }
    return true;
}

std::string CharsBytes(const std::vector<TCharDay>& chars) {
    std::string bytes;
    for (const TCharDay& c : chars) {
        bytes += static_cast<char>(c.Char);
        PutNumber(bytes, c.Right);
        PutNumber(bytes, c.Wrong);
    }
    return bytes;
}

bool AddChars(std::string_view bytes, TCharCounts& counts) {
    int last = -1;
    while (!bytes.empty()) {
        const auto ch = static_cast<unsigned char>(bytes.front());
        bytes.remove_prefix(1);
        std::uint32_t right = 0, wrong = 0;
        if (ch <= last || !GetNumber(bytes, right) || !GetNumber(bytes, wrong)) return false;
        last = ch;
        counts.Right[ch] += right;
        counts.Wrong[ch] += wrong;
    }
    return true;
}

}  // namespace teclarium
