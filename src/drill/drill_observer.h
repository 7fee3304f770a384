// What a drill tells whoever follows it (the progress history): its start, each
// judged character and its report. Nobody following costs one pointer check.
#pragma once

#include "drill/report.h"

namespace teclarium {

class TDrillObserver {
  public:
    virtual ~TDrillObserver() = default;
    // A drill starts; what was counted of an abandoned one is dropped.
    virtual void DrillStarted() = 0;
    // A judged character: expected is the word's character at the typed position,
    // 0 past the word's end; typed equals expected when the key was correct.
    virtual void KeyJudged(unsigned char expected, unsigned char typed) = 0;
    // The drill ended with a report; now is the clock reading at its end.
    virtual void DrillReported(const TDrillFigures& figures, double now) = 0;
};

}  // namespace teclarium
