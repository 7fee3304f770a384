// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "progress/weak_chars.h"

#include <algorithm>

#include "keyboard/key_display.h"
#include "util/codec.h"

namespace teclarium {
namespace {

double PerHundred(std::uint64_t wrong, std::uint64_t right) {
    return wrong == 0 ? 0.0 : static_cast<double>(wrong) * 100.0 / static_cast<double>(wrong + right);
}

}  // namespace

QString CharText(unsigned char ch) {
    if (ch == 8) return QStringLiteral("←");
    if (ch == '\r') return QStringLiteral("↵");
    if (ch < ' ' || ch == 0x7F) return QStringLiteral("#%1").arg(int(ch), 2, 16, QLatin1Char('0')).toUpper();
    return FromAnsiChar(ch);
}

double TMissedChar::Rate() const {
    return PerHundred(Wrong, Right);
}

double TKeyHeat::Rate() const {
    return PerHundred(Wrong, Right);
}

std::vector<TMissedChar> MostMissed(const TCharStats& stats, std::size_t count) {
    std::vector<TMissedChar> missed;
    for (int ch = 1; ch < 256; ++ch) {
        if (stats.Wrong[ch] == 0) continue;
        TMissedChar m{static_cast<unsigned char>(ch), stats.Right[ch], stats.Wrong[ch], 0, 0};
        const std::uint64_t* instead = &stats.Instead[static_cast<std::size_t>(ch) * 256];
        for (int typed = 0; typed < 256; ++typed)
            if (instead[typed] > m.TypedInsteadCount) {
                m.TypedInstead = static_cast<unsigned char>(typed);
                m.TypedInsteadCount = instead[typed];
            }
        missed.push_back(m);
    }
    const auto before = [](const TMissedChar& a, const TMissedChar& b) {
        if (a.Wrong != b.Wrong) return a.Wrong > b.Wrong;
        // a.Wrong / (a.Wrong + a.Right) > b.Wrong / (b.Wrong + b.Right), without division
        const unsigned __int128 left = static_cast<unsigned __int128>(a.Wrong) * (b.Wrong + b.Right);
        const unsigned __int128 right = static_cast<unsigned __int128>(b.Wrong) * (a.Wrong + a.Right);
        if (left != right) return left > right;
        return a.Char < b.Char;
    };
    const std::size_t kept = std::min(count, missed.size());
    std::partial_sort(missed.begin(), missed.begin() + static_cast<std::ptrdiff_t>(kept), missed.end(),
                      before);
    missed.resize(kept);
    return missed;
}

std::string WeakChars(const TCharStats& stats) {
    std::string chars;
    for (const TMissedChar& m : MostMissed(stats, 256)) {
        // A damaged history may name a space or a control character: no drill word can hold it.
        if (m.Char <= ' ' || m.Char == 0x7F) continue;
        chars += static_cast<char>(m.Char);
        if (chars.size() == kWeakCharsMax) break;
    }
    return chars.size() < kWeakCharsMin ? std::string() : chars;
}

std::array<TKeyHeat, kCharKeyCount + 1> KeyHeat(const TCharStats& stats, const TKeyCharsList& keys) {
    // The first key that types each character, plain before Shift before AltGr before both.
    std::array<int, 256> keyOf{};
    for (unsigned char TKeyChars::*layer :
         {&TKeyChars::Plain, &TKeyChars::Shifted, &TKeyChars::AltGr, &TKeyChars::ShiftAltGr})
        for (const TKeyChars& k : keys)
            if (k.*layer != 0 && keyOf[k.*layer] == 0) keyOf[k.*layer] = k.KeyNumber;
    std::array<TKeyHeat, kCharKeyCount + 1> heat{};
    const auto add = [&](int key, int ch) {
        if (key <= 0 || key > kCharKeyCount) return;
        heat[key].Right += stats.Right[ch];
        heat[key].Wrong += stats.Wrong[ch];
    };
    for (int ch = 1; ch < 256; ++ch) {
        if (stats.Right[ch] == 0 && stats.Wrong[ch] == 0) continue;
        if (keyOf[ch] != 0) {
            add(keyOf[ch], ch);
        } else if (const TDeadKeySequence dead = keys.DeadKeys[static_cast<std::size_t>(ch)];
                   dead.DeadKey != 0) {
            add(keyOf[dead.DeadKey], ch);
            add(keyOf[dead.Base], ch);
        }
    }
    return heat;
}

}  // namespace teclarium
