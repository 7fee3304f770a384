// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "course/certificate.h"

#include <algorithm>

namespace teclarium {

TCertificate Certificate(std::string name, std::string day, std::string_view learned,
                         const TKeyStats& stats) {
    TCertificate certificate{std::move(name), std::move(day), 0, 0, 0, std::string(learned)};
    double timed = 0, presses = 0, ms = 0, typed = 0, right = 0;
    for (const char c : learned) {
        const TKeyStat& stat = stats[static_cast<unsigned char>(c)];
        timed += stat.Timed;
        presses += stat.Timed * stat.Presses;
        ms += stat.TimedMs;
        typed += stat.Typed;
        right += stat.Right;
    }
    if (timed > 0) {
        // As for a single key: keys timed in no time at all take a millisecond together.
        certificate.KeysPerMinute = 60000.0 * presses / std::max(ms, 1.0);
        certificate.WordsPerMinute = 60000.0 * timed / std::max(ms, 1.0) / kCharsPerWord;
    }
    if (typed > 0) certificate.Accuracy = 100.0 * right / typed;
    return certificate;
}

}  // namespace teclarium
