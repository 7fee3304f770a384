// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "course/course.h"

#include <QLocale>
#include <cmath>

#include "course/course_state.h"
#include "course/course_texts.h"
#include "course/lesson.h"
#include "keyboard/key_display.h"
#include "progress/history_file.h"
#include "util/app_error.h"
#include "util/codec.h"

namespace teclarium {

QString CharsText(std::string_view chars) {
    QString text;
    for (char c : chars) {
        if (!text.isEmpty()) text += QLatin1Char(' ');
        text += FromAnsiChar(static_cast<unsigned char>(c));
    }
    return text;
}

QString NewKeysText(std::string_view chars) {
    return FromUtf8(chars.size() == 1 ? kCourseNewKey : kCourseNewKeys).arg(CharsText(chars));
}

QString KeyAdvice(const TKeyStat& stat, const TCourseTarget& target) {
    const QLocale catalan(QLocale::Catalan);
    switch (KeyLack(stat, target)) {
        case TKeyLack::Presses: {
            const int presses = static_cast<int>(std::ceil(kKeyMinPresses - stat.Timed));
            return FromUtf8(kAdvicePresses).arg(presses).arg(FromUtf8(presses == 1 ? kPressOne : kPressMany));
        }
        case TKeyLack::Speed:
            return FromUtf8(kAdviceSlow).arg(std::floor(stat.Speed())).arg(target.Speed);
        case TKeyLack::Accuracy:
            return FromUtf8(kAdviceErrors)
                .arg(catalan.toString(std::floor(stat.Accuracy()), 'f', 0))
                .arg(target.Accuracy);
        case TKeyLack::None:
            break;
    }
    return FromUtf8(kAdviceDone);
}

TCourse::TCourse(TCourseFile order, TWordListFile words)
    : FRead(std::move(order)), FOrder(FRead), FWords(std::move(words)) {
    FPresses.fill(1);
}

void TCourse::SetKeyboard(const TKeyCharsList& keys, bool courseKeyboard) {
    FOrder = FRead;
    FUntypable.clear();
    for (int ch = 0; ch < 256; ++ch)
        FPresses[ch] = keys.empty() ? 1 : KeyPresses(keys, static_cast<unsigned char>(ch));
    if (courseKeyboard && !keys.empty()) RefuseUntypeable(FOrder, keys, kCourseFileName);
    if (!courseKeyboard && !keys.empty()) {
        std::vector<std::string_view> stepChars;
        for (const TCourseStep& step : FOrder.Steps) stepChars.push_back(step.Chars);
        FUntypable = UntypableChars(keys, stepChars);
    }
    Derive();
}

std::string TCourse::Typable(std::string_view chars) const {
    std::string typable;
    for (char c : chars)
        if (FUntypable.find(c) == std::string::npos) typable += c;
    return typable;
}

std::vector<std::string> TCourse::SkippedSteps() const {
    std::vector<std::string> skipped;
    for (const TCourseStep& step : FOrder.Steps)
        if (Typable(step.Chars).empty()) skipped.push_back(step.Chars);
    return skipped;
}

void TCourse::Load(const std::string& settingsFile, const TCourseTarget& target) {
    FTarget = target;
    FStateFile = CourseStateFileName(settingsFile);
    FHistoryFile = HistoryFileName(settingsFile);
    const TCourseState state = ReadCourseState(FStateFile);
    FStateProblem = state.Error;
    FStored = state.Learned;
    FChosenFocus = state.Focus;
    FNews = state.News;
    Derive();
}

void TCourse::Derive() {
    // A step made only of untypable characters counts as learned, also right after
    // the first step (always learned): the course passes it by.
    const std::string known = FStored + FUntypable + StepChars(FOrder.Steps, 1);
    FLearnedSteps = teclarium::LearnedSteps(FOrder.Steps, known);
    FLearned = Typable(LearnedChars(FOrder.Steps, known));
    FLoadProblem.clear();
    FStats = {};
    if (!FHistoryFile.empty()) {
        try {
            FStats = ReadKeyStats(FHistoryFile, FLearned).Stats;
        } catch (const TAppError& error) {
            // The course stays at the keys stored for the user.
            FLoadProblem = error.what();
        }
    }
    for (char c : FLearned)
        FStats[static_cast<unsigned char>(c)].Presses = FPresses[static_cast<unsigned char>(c)];
    const bool chosen =
        FChosenFocus != 0 && FLearned.find(static_cast<char>(FChosenFocus)) != std::string::npos;
    FFocus = chosen ? FChosenFocus : FocusKey(FLearned, FStats, FTarget);
}

std::string TCourse::Store(std::string stored) {
    const std::string before = FLearned;
    WriteCourseState(FStateFile, stored, FChosenFocus, FNews);
    FStored = std::move(stored);
    Derive();
    std::string added;
    for (char c : FLearned)
        if (before.find(c) == std::string::npos) added += c;
    return added;
}

bool TCourse::Merge() {
    if (!LessonProblem().empty()) return false;
    // What another copy of the program stored meanwhile is kept too.
    const TCourseState current = ReadCourseState(FStateFile);
    if (!current.Error.empty()) {
        FStateProblem = current.Error;
        return false;
    }
    FStored += current.Learned + FLearned;
    // The focus and the news as the last copy to write left them.
    FChosenFocus = current.Focus;
    FNews = current.News;
    return true;
}

std::string TCourse::UnlockIfDue() {
    if (!NextStepUnlocks(FLearned, FStats, FTarget)) return {};
    return LearnNext();
}

std::string TCourse::LearnNext() {
    const std::size_t shown = FLearnedSteps;
    if (shown >= FOrder.Steps.size() || !Merge()) return {};
    // Another copy learned the step meanwhile: it is no news, and the steps after it
    // wait for their own turn.
    Derive();
    if (FLearnedSteps != shown) return {};
    // A new key takes the rule's focus again; it is news until the next lesson.
    const unsigned char chosen = FChosenFocus;
    const std::string news = FNews;
    FChosenFocus = 0;
    FNews = Typable(FOrder.Steps[FLearnedSteps].Chars);
    try {
        return Store(FStored + FOrder.Steps[FLearnedSteps].Chars);
    } catch (...) {
        FChosenFocus = chosen;
        FNews = news;
        throw;
    }
}

void TCourse::Restart() {
    if (!LessonProblem().empty()) return;
    FChosenFocus = 0;
    FNews.clear();
    Store(StepChars(FOrder.Steps, 1));
}

void TCourse::ChooseFocus(unsigned char ch) {
    if (ch != 0 && FLearned.find(static_cast<char>(ch)) == std::string::npos) return;
    if (ch == FChosenFocus || !Merge()) return;
    FChosenFocus = ch;
    Store(FStored);
}

void TCourse::LessonStarted() {
    if (FNews.empty() || !Merge()) return;
    FNews.clear();
    Store(FStored);
}

std::string TCourse::NextChars() const {
    return FLearnedSteps < FOrder.Steps.size() ? Typable(FOrder.Steps[FLearnedSteps].Chars) : std::string();
}

QString TCourse::StepLine() const {
    const std::vector<TCourseStep>& steps = FOrder.Steps;
    if (steps.empty()) return {};
    // The last step learned that the keyboard did not pass by.
    std::size_t shown = FLearnedSteps;
    while (shown > 1 && Typable(steps[shown - 1].Chars).empty()) --shown;
    QString text = FromUtf8(kCourseStep).arg(shown).arg(steps.size()).arg(FromAnsi(steps[shown - 1].Name));
    if (FLearnedSteps < steps.size())
        return text + QStringLiteral(". ") +
               FromUtf8(kCourseNextStep).arg(CharsText(NextChars()), FromAnsi(steps[FLearnedSteps].Name));
    return text + QStringLiteral(". ") + FromUtf8(Finished() ? kCourseAllLearned : kCourseLastStep);
}

bool TCourse::Finished() const {
    return !FOrder.Steps.empty() && FLearnedSteps >= FOrder.Steps.size() &&
           NextStepUnlocks(FLearned, FStats, FTarget);
}

std::string TCourse::LessonProblem() const {
    if (!FOrder.Error.empty()) return FOrder.Error;
    return !FStateProblem.empty() ? FStateProblem : FWords.Error;
}

std::vector<std::string> TCourse::Lesson(std::size_t count, std::uint32_t seed) const {
    if (!LessonProblem().empty()) return {};
    return MakeLesson(FWords.Words, FLearned, FFocus, FStats, count, seed);
}

}  // namespace teclarium
