// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The state of a drill and its rules: judging each keystroke, choosing the next
// word, timing and the report. The typing field's text is held here: it changes
// only through judged keys, and the widgets show it.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "drill/clock.h"
#include "drill/drill_observer.h"
#include "drill/drill_options.h"
#include "drill/word_list.h"
#include "keyboard/key_display.h"

namespace teclarium {

// What the drill asks of its window.
class TDrillHost {
  public:
    virtual ~TDrillHost() = default;
    // Shows the report and returns when the user has closed it.
    virtual void ShowResults(const std::string& text) = 0;
};

inline constexpr unsigned char kBackspace = 8;
inline constexpr unsigned char kEscape = 27;
inline constexpr unsigned char kSpace = 32;
inline constexpr unsigned char kDelete = 127;
inline constexpr unsigned char kUnknownChar = 0x1A;  // a character Windows-1252 cannot hold
inline constexpr int kVkHome = 36, kVkLeft = 37, kVkUp = 38;

class TDrill {
  public:
    TDrill(const TClock& clock, const TDrillOptions& options, TKeyDisplay& keys, TDrillHost& host);

    // The words of the next drill, from the exercise sources before StartDrill;
    // never empty then. The old list's memory goes back as the new one comes.
    void SetWordList(TWordList words) { FWordList = std::move(words); }
    const TWordList& WordList() const { return FWordList; }

    void StartDrill();
    void ClearDrillDisplay();
    bool AdvanceWord();
    void NextWord();
    void EndDrill(bool complete);

    // Key handlers of the typing field. key may be set to 0 to swallow it.
    // EditKeyDown returns true when the key display changed (the dead key was pressed).
    bool EditKeyDown(int& key);
    void EditKeyPress(unsigned char& key);
    void RefreshKeyDisplay() { FKeys.RefreshKeyDisplay(FEditText, FCurrentWord); }

    void AppliOnDeactivate();
    void AppliOnActivate();

    // The practice summary of the run, or empty when no drill has ended.
    std::string PracticeSummary() const;

    // Follows the drill's keys and reports; null when nobody does.
    void SetObserver(TDrillObserver* observer) { FObserver = observer; }
    // The report's decimal separator (the user's locale's).
    void SetDecimalSeparator(char separator) { FDecimalSeparator = separator; }

    // The drill's state, read by the window, speech and tests.
    bool DrillRunning() const { return FDrillRunning; }
    const std::string& CurrentWord() const { return FCurrentWord; }
    std::int32_t WordIndex() const { return FWordIndex; }
    std::uint16_t WordNumber() const { return FWordNumber; }
    std::uint16_t CorrectKeys() const { return FCorrectKeys; }
    std::uint16_t ErrorCount() const { return FErrorCount; }
    std::uint16_t OmittedWords() const { return FOmittedWords; }
    double StartTime() const { return FStartTime; }
    double PauseDiscount() const { return FPauseDiscount; }
    double TotalDiscount() const { return FTotalDiscount; }

    // What the drill area shows.
    const std::string& EditText() const { return FEditText; }               // Edit
    const std::string& ToWrite() const { return FToWrite; }                 // L_ToWrite
    const std::string& ToNextWrite() const { return FToNextWrite; }         // L_ToNextWrite
    std::int32_t ShownCount() const { return FShownCount; }                 // L_Count
    std::uint16_t ShownErrors() const { return FShownErrors; }              // L_ErrorsCount
    unsigned char ShownIncorrectKey() const { return FShownIncorrectKey; }  // L_IncorrectKey, 0 blank
    bool SpaceBarLit() const { return FSpaceBarLit; }                       // P_SpaceBar

  private:
    void ShowWords();
    void ShowWordCount() { FShownCount = static_cast<std::int32_t>(FWordNumber) - 1; }
    void ShowErrorCount() { FShownErrors = FErrorCount; }
    void ShowIncorrectKey(unsigned char ch) { FShownIncorrectKey = FOptions.ShowIncorrectKey() ? ch : 0; }
    // Every change of the field's text refreshes the keyboard (the field's change event).
    void SetEditText(std::string text);
    void JudgeCharacter(unsigned char& key);
    // The time of the character whose key went down last (see TDrillObserver::KeyJudged);
    // it becomes the start of the next character's time.
    double TakeKeyTime();

    char FDecimalSeparator = '.';

    // Drill state.
    std::string FCurrentWord;
    std::int32_t FWordIndex = -1;
    std::uint16_t FCorrectKeys = 0;
    std::uint16_t FWordNumber = 0;
    std::uint16_t FErrorCount = 0;
    std::uint16_t FOmittedWords = 0;
    const double FPauseThreshold = 5 * kSecond;
    double FLastKeyTime = 0;
    double FTotalDrillTime = 0;
    double FTotalDiscount = 0;
    double FPauseDiscount = 0;
    double FStartTime = 0;
    double FDeactivatedAt = 0;
    // The key-down of the word's previous character (or of the Space that showed
    // the word) and the pause discount then; 0: not timed (the drill's first word).
    double FCharKeyDownAt = 0;
    double FCharPauseDiscount = 0;
    bool FCharFromSpace = false;  // FCharKeyDownAt is the Space's
    bool FFirstPass = true;
    bool FWordHadError = false;
    bool FDrillRunning = false;

    // What the drill area shows.
    std::string FEditText;                 // Edit
    std::string FToWrite;                  // L_ToWrite
    std::string FToNextWrite;              // L_ToNextWrite
    std::int32_t FShownCount = 0;          // L_Count
    std::uint16_t FShownErrors = 0;        // L_ErrorsCount
    unsigned char FShownIncorrectKey = 0;  // L_IncorrectKey, 0 blank
    bool FSpaceBarLit = false;             // P_SpaceBar

    TWordList FWordList;
    const TClock& FClock;
    const TDrillOptions& FOptions;
    TKeyDisplay& FKeys;
    TDrillHost& FHost;
    TDrillObserver* FObserver = nullptr;
};

}  // namespace teclarium
