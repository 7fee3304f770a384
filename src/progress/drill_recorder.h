// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// Follows the drills of the main window and remembers each one that ends with a
// report in the history file: its figures and, per character of the words, how
// often it was typed right and wrong and what was typed instead.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "drill/drill_observer.h"
#include "progress/drill_record.h"

namespace teclarium {

class TDrillRecorder final : public TDrillObserver {
  public:
    // Where the records go (the current user's history); empty: nowhere.
    void SetHistoryFile(std::string historyFile) { FHistoryFile = std::move(historyFile); }
    const std::string& HistoryFile() const { return FHistoryFile; }
    // What the next drills are made of, as Windows-1252 bytes: a pattern's name,
    // kClipboardSource or kWeakKeysSource.
    void SetSource(std::string source) { FSource = std::move(source); }
    const std::string& Source() const { return FSource; }
    // Called with each record once it is in the history (the course follows its drills).
    void SetRecordedHandler(std::function<void(const TDrillRecord&)> handler) {
        FRecorded = std::move(handler);
    }
    // An exercise file, by its path (native, UTF-8): its name.
    void SetSourceFile(const std::string& path);

    void DrillStarted() override;
    void KeyJudged(unsigned char expected, unsigned char typed, double keyTime) override {
        if (expected == 0) return;  // past the word's end no character was expected
        if (typed != expected) {
            FMisses.emplace_back(expected, typed);
            return;
        }
        ++FRight[expected];
        if (keyTime >= 0) {
            FTimedDays[expected] += keyTime;
            ++FTimed[expected];
        }
    }
    void DrillReported(const TDrillFigures& figures, double now) override;

    // The record of the drill counted so far, ended with these figures at now (the
    // clock's reading, UTC days).
    TDrillRecord Record(const TDrillFigures& figures, double now) const;

  private:
    std::string FHistoryFile;
    std::string FSource;
    std::function<void(const TDrillRecord&)> FRecorded;
    std::array<std::uint32_t, 256> FRight{};
    std::array<std::uint32_t, 256> FTimed{};                       // right keys that were timed
    std::array<double, 256> FTimedDays{};                          // and their time
    std::vector<std::pair<unsigned char, unsigned char>> FMisses;  // expected, typed
};

// The local date and time, as seconds since 1970-01-01 00:00, of a clock reading.
std::int64_t LocalSeconds(double utcDays);

}  // namespace teclarium
