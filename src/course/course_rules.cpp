// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "course/course_rules.h"

#include <algorithm>
#include <cmath>

namespace teclarium {

double Closeness(const TKeyStat& stat, const TCourseTarget& target) {
    const double speed = target.Speed > 0 ? stat.Speed() / target.Speed : 1.0;
    const double allowed = 100.0 - target.Accuracy;
    const double errors = stat.Typed > 0 ? 100.0 - stat.Accuracy() : 100.0;
    const double accuracy = errors <= allowed ? 1.0 : allowed / errors;
    return std::clamp(std::min(speed, accuracy), 0.0, 1.0);
}

bool AtTarget(const TKeyStat& stat, const TCourseTarget& target) {
    return stat.Timed >= kKeyMinPresses && stat.Speed() >= target.Speed && stat.Accuracy() >= target.Accuracy;
}

TKeyGap KeyGap(const TKeyStat& stat, const TCourseTarget& target) {
    TKeyGap gap;
    gap.Speed = std::max(0.0, target.Speed - stat.Speed());
    gap.Accuracy = std::max(0.0, target.Accuracy - (stat.Typed > 0 ? stat.Accuracy() : 0.0));
    gap.Presses = static_cast<int>(std::ceil(std::max(0.0, kKeyMinPresses - stat.Timed)));
    return gap;
}

int PressesStillNeeded(const TKeyStat& stat, const TCourseTarget& target) {
    const double fastMs = target.Speed > 0 ? stat.Presses * 60000.0 / (1.25 * target.Speed) : 1.0;
    for (int n = 0; n < static_cast<int>(kKeyWindow); ++n) {
        const double timedOld = std::min(stat.Timed, kKeyWindow - n);
        const double typedOld = std::min(stat.Typed, kKeyWindow - n);
        TKeyStat after;
        after.Presses = stat.Presses;
        after.Timed = timedOld + n;
        after.TimedMs = (stat.Timed > 0 ? stat.TimedMs * timedOld / stat.Timed : 0) + n * fastMs;
        after.Typed = typedOld + n;
        after.Right = (stat.Typed > 0 ? stat.Right * typedOld / stat.Typed : 0) + n;
        if (AtTarget(after, target)) return n;
    }
    return static_cast<int>(kKeyWindow);
}

bool NextStepUnlocks(std::string_view learned, const TKeyStats& stats, const TCourseTarget& target) {
    if (learned.empty()) return false;
    return std::all_of(learned.begin(), learned.end(),
                       [&](char c) { return AtTarget(stats[static_cast<unsigned char>(c)], target); });
}

unsigned char FocusKey(std::string_view learned, const TKeyStats& stats, const TCourseTarget& target) {
    for (auto it = learned.rbegin(); it != learned.rend(); ++it)
        if (stats[static_cast<unsigned char>(*it)].Timed < kKeyMinPresses)
            return static_cast<unsigned char>(*it);
    unsigned char focus = 0;
    double lowest = 2;
    for (char c : learned) {
        const double closeness = Closeness(stats[static_cast<unsigned char>(c)], target);
        if (closeness < lowest) {
            lowest = closeness;
            focus = static_cast<unsigned char>(c);
        }
    }
    return focus;
}

}  // namespace teclarium
