// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "drill/report.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "keyboard/keyboard_geometry.h"

namespace teclarium {
namespace {

std::string TwoDigits(long long n) {
    std::string text = std::to_string(n);
    if (text.size() < 2) text.insert(text.begin(), '0');
    return text;
}

}  // namespace

std::string FormatDuration(double days) {
    const long long ms = std::max(0LL, std::llround(days * 86400000.0));
    if (ms < 60000) return std::to_string(ms / 1000) + " seg";
    const std::string minSec = "min " + TwoDigits(ms / 1000 % 60) + "seg";
    if (ms < 3600000) return std::to_string(ms / 60000) + minSec;
    return std::to_string(ms / 3600000) + "h " + TwoDigits(ms / 60000 % 60) + minSec;
}

std::string FormatOneDecimal(double value, char decimalSeparator) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 1);
    std::string text(buffer, result.ptr);
    if (const auto dot = text.find('.'); dot != std::string::npos) text[dot] = decimalSeparator;
    if (text.size() < 2) text.insert(0, 2 - text.size(), ' ');
    return text;
}

std::int64_t Tenths(double days) {
    const double tenths = std::nearbyint(days * 864000.0);  // the default mode rounds half to even
    return tenths > 0 ? static_cast<std::int64_t>(tenths) : 0;
}

int ReportFontSize(int windowSize, int keyboardSize, int typingSize) {
    return RoundHalfEven(std::max({windowSize, keyboardSize, typingSize}) * 7, 10);
}

TDrillRates DrillRates(const TDrillFigures& f) {
    TDrillRates r;
    r.Tenths = Tenths(f.Elapsed);
    const std::int64_t t = r.Tenths;
    const std::int64_t w = f.Words;
    r.SecondsPerWord = w == 0 ? 0.0 : static_cast<double>(t / w) / 10.0;
    r.WordsPerMinute = t == 0 ? 0.0 : static_cast<double>(w * 600) / static_cast<double>(t);
    r.KeysPerMinute =
        t == 0 ? 0 : std::llrint(static_cast<double>(f.CorrectKeys) * 600.0 / static_cast<double>(t));
    return r;
}

std::string DrillReport(const TDrillFigures& f, char decimalSeparator) {
    const TDrillRates r = DrillRates(f);
    std::string text = "Ja està:\r\nheu trigat " + FormatDuration(f.Elapsed) + "\r\n" +
                       FormatOneDecimal(r.SecondsPerWord, decimalSeparator) + " segons/paraula\r\n" +
                       FormatOneDecimal(r.WordsPerMinute, decimalSeparator) + " paraules/minut\r\n" +
                       std::to_string(r.KeysPerMinute) + " tecles/minut";
    if (f.OmittedWords > 0) text += "\r\n" + std::to_string(f.OmittedWords) + " paraules omeses!!";
    if (f.PauseDiscount > 0)
        text += "\r\n(descomptats " + FormatDuration(f.PauseDiscount) + " que no estàveu per l'exercici)";
    return text;
}

}  // namespace teclarium
