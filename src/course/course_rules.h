// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The course's rules: when a character is at the target, when the next step
// unlocks, and which learned character the lessons dwell on.
#pragma once

#include <string_view>

#include "course/key_stats.h"

namespace teclarium {

struct TCourseTarget {
    int Speed = 150;    // keys per minute
    int Accuracy = 95;  // right keys per hundred
};

// How close a character is to the target, from 0 to 1 (at or above it): the lower
// of its speed's share of the target speed and its errors' share of the errors
// the target allows. A character never timed has no speed yet: 0.
double Closeness(const TKeyStat& stat, const TCourseTarget& target);

// At least 10 timed keys, at the target speed and accuracy.
bool AtTarget(const TKeyStat& stat, const TCourseTarget& target);

// What a character still lacks to reach the target: keys per minute, right keys
// per hundred, timed presses to the 10 that judge it (each 0 when it has enough).
struct TKeyGap {
    double Speed = 0;
    double Accuracy = 0;
    int Presses = 0;
};
TKeyGap KeyGap(const TKeyStat& stat, const TCourseTarget& target);

// Presses the character still needs before it is at the target, each typed right
// a quarter above the target speed and taking the place of the oldest of its last
// 30 once it has 30; 0 when it is at the target, at most 30.
int PressesStillNeeded(const TKeyStat& stat, const TCourseTarget& target);

// The next step unlocks when every learned character is at the target.
bool NextStepUnlocks(std::string_view learned, const TKeyStats& stats, const TCourseTarget& target);

// The character the lessons dwell on: the latest learned one that has fewer than
// 10 timed keys, else the one furthest below the target (the earlier learned on a
// tie). 0 when nothing is learned.
unsigned char FocusKey(std::string_view learned, const TKeyStats& stats, const TCourseTarget& target);

}  // namespace teclarium
