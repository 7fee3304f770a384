// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// A drill with a set clock, plain options and a recorded report, for logic tests.
#pragma once

#include <string>
#include <vector>

#include "drill/drill.h"

namespace teclarium::test {

class TSetClock final : public TClock {
  public:
    double Now() const override { return FNow; }
    void Advance(double seconds) { FNow += seconds * kSecond; }
    double FNow = 46000.5;  // some day at noon
};

struct TPlainOptions final : TDrillOptions {
    bool FRepeatWrongWord = false, FRepeatWord = false, FWriteWrongChar = false;
    bool FShowIncorrectKey = true, FShowKeyToType = true, FOneHand = false;
    bool RepeatWrongWord() const override { return FRepeatWrongWord; }
    bool RepeatWord() const override { return FRepeatWord; }
    bool WriteWrongChar() const override { return FWriteWrongChar; }
    bool ShowIncorrectKey() const override { return FShowIncorrectKey; }
    bool ShowKeyToType() const override { return FShowKeyToType; }
    bool OneHand() const override { return FOneHand; }
};

struct TRecordingHost final : TDrillHost {
    std::vector<std::string> Reports;
    void ShowResults(const std::string& text) override { Reports.push_back(text); }
};

struct TDrillFixture {
    TSetClock Clock;
    TPlainOptions Options;
    TKeyDisplay Keys{Options};
    TRecordingHost Host;
    TDrill Drill{Clock, Options, Keys, Host};

    void Start(std::vector<std::string> words) {
        Drill.SetWordList(std::move(words));
        Drill.StartDrill();
    }
    // One key: its key-down (virtual-key code of the character, letters only) then its character.
    void Key(unsigned char ch) {
        int vk = ch >= 'a' && ch <= 'z' ? ch - 32 : ch;
        Drill.EditKeyDown(vk);
        Drill.EditKeyPress(ch);
    }
    // "\b" is Backspace, "\x1b" Escape, " " Space.
    void Type(const std::string& keys) {
        for (char c : keys) Key(static_cast<unsigned char>(c));
    }
};

}  // namespace teclarium::test
