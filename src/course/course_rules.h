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

// What a character lacks first to reach the target: timed presses (fewer than 10),
// speed, accuracy; None at the target.
enum class TKeyLack { None, Presses, Speed, Accuracy };
TKeyLack KeyLack(const TKeyStat& stat, const TCourseTarget& target);

// The next step unlocks when every learned character is at the target.
bool NextStepUnlocks(std::string_view learned, const TKeyStats& stats, const TCourseTarget& target);

// The character the lessons dwell on: the latest learned one that has fewer than
// 10 timed keys, else the one furthest below the target (the earlier learned on a
// tie). 0 when nothing is learned.
unsigned char FocusKey(std::string_view learned, const TKeyStats& stats, const TCourseTarget& target);

// The learned character that holds the next step back: the focus rule's, while it
// is below the target; 0 when every learned character is at the target.
unsigned char BlockingKey(std::string_view learned, const TKeyStats& stats, const TCourseTarget& target);

}  // namespace teclarium
