// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// A small course of two steps and a history of it with known figures, for the
// tests of a learner who finished the course or did not.
#pragma once

#include <QByteArray>
#include <string>

#include "progress/history_file.h"

namespace teclarium::test {

inline constexpr const char* kTwoStepCourse = "fjdksla\tFila base\r\neh\tE i H\r\n";

// One course drill: f typed right 40 times at 200 ms a key; a d e h j k l s each
// right 40 times at 300 ms a key and wrong once. Over each key's latest 30: 270
// keys in 78 s, 208 keys (41,5 words of five) a minute; 97,8 % right.
inline QByteArray CourseHistory() {
    TDrillRecord r;
    r.When = 1733500000;
    r.Source = "curs";
    r.Words = 20;
    r.CountedTenths = 600;
    for (const char c : std::string("adefhjkls")) {  // in byte order, as the recorder writes them
        const auto ch = static_cast<unsigned char>(c);
        const bool fast = c == 'f';
        r.Chars.push_back({ch, 40, fast ? 0u : 1u, 40, 40 * (fast ? 200u : 300u)});
        if (!fast) r.Misses.push_back({ch, 'x', 1});
        r.CorrectKeys += 40;
        r.WrongKeys += fast ? 0 : 1;
    }
    // Joined as bytes: GCC 12 at -O2 warns wrongly on a std::string sum starting from the header.
    return QByteArray(kHistoryHeader.data(), qsizetype(kHistoryHeader.size())) + "\r\n" +
           QByteArray::fromStdString(FormatRecord(r)) + "\r\n";
}

}  // namespace teclarium::test
