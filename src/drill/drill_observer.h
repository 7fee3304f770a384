// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// What a drill tells whoever follows it (the progress history): its start, each
// judged character and its report. Nobody following costs one pointer check.
#pragma once

#include "drill/report.h"

namespace teclarium {

inline constexpr double kUntimed = -1;

class TDrillObserver {
  public:
    virtual ~TDrillObserver() = default;
    // A drill starts; what was counted of an abandoned one is dropped.
    virtual void DrillStarted() = 0;
    // A judged character: expected is the word's character at the typed position,
    // 0 past the word's end; typed equals expected when the key was correct.
    // keyTime is the time (days) from the key-down of the word's previous character
    // (for a word's first, of the Space that ended the word before) to this
    // character's key-down (a dead key or a modifier between them belongs to this
    // character), or kUntimed: the drill's first word's first character, a gap that
    // the pause rule discounted, or a first character after time in another program.
    virtual void KeyJudged(unsigned char expected, unsigned char typed, double keyTime) = 0;
    // The drill ended with a report; now is the clock reading at its end.
    virtual void DrillReported(const TDrillFigures& figures, double now) = 0;
};

}  // namespace teclarium
