// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "course/course_rules.h"

#include <algorithm>

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

TKeyLack KeyLack(const TKeyStat& stat, const TCourseTarget& target) {
    if (stat.Timed < kKeyMinPresses) return TKeyLack::Presses;
    if (stat.Speed() < target.Speed) return TKeyLack::Speed;
    return stat.Accuracy() < target.Accuracy ? TKeyLack::Accuracy : TKeyLack::None;
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

unsigned char BlockingKey(std::string_view learned, const TKeyStats& stats, const TCourseTarget& target) {
    const unsigned char key = FocusKey(learned, stats, target);
    return key != 0 && !AtTarget(stats[key], target) ? key : 0;
}

}  // namespace teclarium
