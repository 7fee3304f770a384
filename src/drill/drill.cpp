// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "drill/drill.h"

#include <exception>

#include "drill/report.h"

namespace teclarium {

TDrill::TDrill(const TClock& clock, const TDrillOptions& options, TKeyDisplay& keys, TDrillHost& host)
    : FClock(clock), FOptions(options), FKeys(keys), FHost(host) {}

void TDrill::StartDrill() {
    if (FWordList.empty()) return;  // the sources never start on an empty list
    FWordIndex = -1;
    FWordNumber = 0;
    FCorrectKeys = 0;
    ClearDrillDisplay();
    AdvanceWord();
    FFirstPass = true;
    FKeys.ClearDeadKeyFlags();
    ShowWords();
    ++FWordNumber;
    ShowWordCount();
    FErrorCount = 0;
    FOmittedWords = 0;
    ShowErrorCount();
    ShowIncorrectKey(0);
    FStartTime = FClock.Now();
    FWordHadError = false;
    FDrillRunning = true;
    FLastKeyTime = FClock.Now();
    FPauseDiscount = 0;
    FCharKeyDownAt = 0;
    FCharFromSpace = false;
    if (FObserver) FObserver->DrillStarted();
}

void TDrill::ClearDrillDisplay() {
    FToWrite.clear();
    FToNextWrite.clear();
    SetEditText({});
    FSpaceBarLit = false;
    FCurrentWord.clear();
    RefreshKeyDisplay();
}

bool TDrill::AdvanceWord() {
    ++FWordIndex;
    if (FWordIndex > static_cast<std::int32_t>(FWordList.size()) - 1) return false;
    FCurrentWord = std::string(FWordList[static_cast<std::size_t>(FWordIndex)]);
    return true;
}

void TDrill::ShowWords() {
    FToWrite = FCurrentWord;
    RefreshKeyDisplay();
    if (FFirstPass && FOptions.RepeatWord())
        FToNextWrite = FCurrentWord;
    else if (FWordIndex < static_cast<std::int32_t>(FWordList.size()) - 1)
        FToNextWrite = std::string(FWordList[static_cast<std::size_t>(FWordIndex) + 1]);
    else
        FToNextWrite.clear();
}

void TDrill::NextWord() {
    if (FWordHadError && FOptions.RepeatWrongWord()) {
        // The same word again; FFirstPass stays as it is.
    } else if (FFirstPass && FOptions.RepeatWord()) {
        FFirstPass = false;
    } else {
        FFirstPass = true;
        if (!AdvanceWord()) {
            EndDrill(true);
            return;
        }
    }
    FWordHadError = false;
    FCharKeyDownAt = 0;
    FKeys.ClearDeadKeyFlags();
    ShowWords();
    ++FWordNumber;
    ShowWordCount();
    SetEditText({});
}

void TDrill::SetEditText(std::string text) {
    if (text == FEditText) return;
    FEditText = std::move(text);
    RefreshKeyDisplay();
}

bool TDrill::EditKeyDown(int& key) {
    const double now = FClock.Now();
    if (now - FLastKeyTime > FPauseThreshold) FPauseDiscount += now - FLastKeyTime - FPauseThreshold;
    FLastKeyTime = FClock.Now();
    if (key == kVkHome || key == kVkLeft || key == kVkUp) key = 0;
    return FKeys.DeadKeyStep(key, FEditText, FCurrentWord);
}

void TDrill::EditKeyPress(unsigned char& key) {
    const std::size_t len = FCurrentWord.size();
    ShowIncorrectKey(0);
    if (len == 0) {
        key = 0;
        return;
    }
    if (key == kBackspace && FOptions.WriteWrongChar()) {
        TakeKeyTime();  // a keystroke of the word: the next character's time starts here
        FKeys.ClearDeadKeyFlags();
        if (!FEditText.empty()) SetEditText(FEditText.substr(0, FEditText.size() - 1));
        return;
    }
    if (key == kEscape) {
        key = 0;
        EndDrill(FEditText.size() == len);
        return;
    }
    if (key == kSpace) {
        key = 0;
        if (FEditText.size() != len) {
            ++FOmittedWords;
            --FWordNumber;
        }
        FSpaceBarLit = false;
        NextWord();
        // The next word is on screen from the Space on: its first key is timed from it.
        if (FDrillRunning) {
            FCharKeyDownAt = FLastKeyTime;
            FCharPauseDiscount = FPauseDiscount;
            FCharFromSpace = true;
        }
        return;
    }
    JudgeCharacter(key);
}

double TDrill::TakeKeyTime() {
    const double keyTime = FCharKeyDownAt != 0 && FCharPauseDiscount == FPauseDiscount
                               ? FLastKeyTime - FCharKeyDownAt
                               : kUntimed;
    FCharKeyDownAt = FLastKeyTime;
    FCharPauseDiscount = FPauseDiscount;
    FCharFromSpace = false;
    return keyTime;
}

void TDrill::JudgeCharacter(unsigned char& key) {
    const std::size_t len = FCurrentWord.size();
    const std::size_t p = FEditText.size();  // 0-based position of the expected character
    const double keyTime = TakeKeyTime();
    // Backspace and a character the program cannot hold (0x1A) never match.
    if (p < len && key != kBackspace && key != kUnknownChar &&
        key == static_cast<unsigned char>(FCurrentWord[p])) {
        if (FObserver) FObserver->KeyJudged(key, key, keyTime);
        ++FCorrectKeys;
        FKeys.ClearBaseLetterShown();
        if (p + 1 == len) FSpaceBarLit = FOptions.ShowKeyToType();
        SetEditText(FEditText + static_cast<char>(key));
        return;
    }
    if (FObserver)
        FObserver->KeyJudged(p < len ? static_cast<unsigned char>(FCurrentWord[p]) : 0, key, keyTime);
    ShowIncorrectKey(key);
    // A single-line field takes no control character (Enter, Ctrl+letter): counted, not written.
    if (FOptions.WriteWrongChar() && key >= kSpace && key != kDelete)
        SetEditText(FEditText + static_cast<char>(key));
    else
        key = 0;
    FWordHadError = true;
    ++FErrorCount;
    ShowErrorCount();
}

void TDrill::EndDrill(bool complete) {
    ClearDrillDisplay();
    const double now = FClock.Now();
    const std::uint16_t words = complete ? FWordNumber : static_cast<std::uint16_t>(FWordNumber - 1);
    FTotalDrillTime += now - FStartTime;
    FTotalDiscount += FPauseDiscount;
    TDrillFigures figures;
    if (words != 0) {
        figures.Elapsed = now - (FStartTime + FPauseDiscount);
        figures.Words = words;
        figures.CorrectKeys = FCorrectKeys;
        figures.OmittedWords = FOmittedWords;
        figures.PauseDiscount = FPauseDiscount;
        figures.WrongKeys = FErrorCount;
    }
    FStartTime = 0;
    FDrillRunning = false;
    if (words == 0) return;
    // The drill is kept before its report shows (the program may end meanwhile); a
    // history that cannot be written is reported after it, the drill ended.
    std::exception_ptr failure;
    try {
        if (FObserver) FObserver->DrillReported(figures, now);
    } catch (...) {
        failure = std::current_exception();
    }
    FHost.ShowResults(DrillReport(figures, FDecimalSeparator));
    if (failure) std::rethrow_exception(failure);
}

void TDrill::AppliOnDeactivate() {
    FDeactivatedAt = FClock.Now();
}

void TDrill::AppliOnActivate() {
    if (FStartTime == 0) return;
    FStartTime += FClock.Now() - FDeactivatedAt;
    FLastKeyTime += FClock.Now() - FDeactivatedAt;
    // Time spent in other programs is no character's time either; a word's first
    // key after it is not timed at all (the word was read meanwhile).
    if (FCharFromSpace)
        FCharKeyDownAt = 0;
    else if (FCharKeyDownAt != 0)
        FCharKeyDownAt += FClock.Now() - FDeactivatedAt;
}

std::string TDrill::PracticeSummary() const {
    if (FTotalDrillTime == 0) return {};
    return kPracticeSummary + FormatDuration(FTotalDrillTime - FTotalDiscount);
}

}  // namespace teclarium
