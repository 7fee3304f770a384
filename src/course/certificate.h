// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The course certificate: what a learner who finished the course takes home, their
// name, the day, the speed and accuracy reached over the keys learned, and the keys.
#pragma once

#include <string>
#include <string_view>

#include "course/key_stats.h"

namespace teclarium {

// A word, to count words a minute from keys: five characters.
inline constexpr double kCharsPerWord = 5;

struct TCertificate {
    std::string Name;  // UTF-8
    std::string Day;   // as shown (UTF-8)
    double KeysPerMinute = 0;
    double WordsPerMinute = 0;
    double Accuracy = 0;  // right keys per hundred
    std::string Keys;     // the keys learned, in course order (Windows-1252 bytes)
};

// The figures over the keys learned, each over its latest presses as the course
// counts them: key presses a minute and characters a minute (as words) over all
// their timed keys together, and right keys per hundred over all their keys.
TCertificate Certificate(std::string name, std::string day, std::string_view learned, const TKeyStats& stats);

}  // namespace teclarium
