// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// A user's course: the order and the word list, the steps learned (kept beside
// the user's settings), each learned character's recent figures from the history,
// and what follows from them: the focus key, unlocking and the next lesson.
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "course/course_file.h"
#include "course/course_rules.h"
#include "course/key_stats.h"
#include "course/word_list_file.h"
#include "keyboard/key_chars.h"

namespace teclarium {

// Characters for the window: "à è".
QString CharsText(std::string_view chars);

// "Nova tecla: ç" or "Noves tecles: à è".
QString NewKeysText(std::string_view chars);

// What a learned character lacks first, in plain words that follow "La tecla à ":
// "és massa lenta: 96 de 150 tecles/minut", "necessita 6 pulsacions més".
QString KeyAdvice(const TKeyStat& stat, const TCourseTarget& target);

class TCourse {
  public:
    TCourse(TCourseFile order, TWordListFile words);

    // Reads the user's state and history (the settings file names both). Nothing
    // throws: what cannot be read is said in the problems below.
    void Load(const std::string& settingsFile, const TCourseTarget& target);
    // The keyboard the course is typed on (no keys: every character can be typed).
    // On the course's own keyboard, which the order is written for, a step holding a
    // character that no key types refuses the order. On another keyboard such
    // characters are left out of the lessons, the unlock rule and the steps shown,
    // and a step made only of them is skipped.
    void SetKeyboard(const TKeyCharsList& keys, bool courseKeyboard);

    // After a course drill: unlocks the next step when every learned character is
    // at the target, and keeps it. Returns the characters unlocked, or empty.
    // Throws TAppError when the state cannot be written.
    std::string UnlockIfDue();
    // Unlocks the next step now (for those who already type); as UnlockIfDue. The
    // characters stored stay, those another copy of the program stored meanwhile too.
    std::string LearnNext();
    // Back to the first step. Throws TAppError when the state cannot be written.
    // While no lesson can be offered (a state that cannot be read is never written)
    // these three do nothing.
    void Restart();

    // The learner's focus: a learned character, or 0 to give it back to the rule.
    // Kept in the state; a new key unlocked gives it back too. As Restart.
    void ChooseFocus(unsigned char ch);
    // A lesson starts: the news of the last unlock is no longer shown.
    void LessonStarted();

    // The lesson's words; empty when no lesson can be offered (see LessonProblem).
    std::vector<std::string> Lesson(std::size_t count, std::uint32_t seed) const;

    // Why no lesson can be offered: the order's, the state's or the word list's
    // message; empty when one can.
    std::string LessonProblem() const;
    // The history's message, when it could not be read; empty otherwise.
    const std::string& LoadProblem() const { return FLoadProblem; }

    const std::vector<TCourseStep>& Steps() const { return FOrder.Steps; }
    // The leading steps learned (skipped ones among them); the next step to learn follows them.
    std::size_t LearnedSteps() const { return FLearnedSteps; }
    // The characters of every learned step that the keyboard types, in course order.
    const std::string& Learned() const { return FLearned; }
    // The next step's characters that the keyboard types; empty when the whole course is learned.
    std::string NextChars() const;
    // The characters of each step skipped on this keyboard, in course order.
    std::vector<std::string> SkippedSteps() const;
    const TKeyStats& Stats() const { return FStats; }
    const TCourseTarget& Target() const { return FTarget; }
    unsigned char Focus() const { return FFocus; }
    // The focus the learner chose (0: the rule's).
    unsigned char ChosenFocus() const { return FChosenFocus; }
    // The characters of the last unlock, shown until the next lesson starts.
    const std::string& News() const { return FNews; }
    // Every step learned and every learned key at the target: the course is done.
    bool Finished() const;
    // "Pas 3 de 35: <name>. Tecla següent: ..."; after the last step, what remains
    // until it is finished, then that the course is learned.
    QString StepLine() const;

  private:
    // Writes the characters stored and derives the rest; returns those newly learned.
    std::string Store(std::string stored);
    // Adds what the file holds now to the characters stored; false (nothing to
    // write) while no lesson can be offered or the file cannot be read.
    bool Merge();
    void Derive();
    // The characters the keyboard types, in their order.
    std::string Typable(std::string_view chars) const;

    TCourseFile FRead;                // the order as read
    TCourseFile FOrder;               // as the keyboard leaves it: refused or not
    std::string FUntypable;           // the characters of its steps that the keyboard cannot type
    std::array<int, 256> FPresses{};  // the key presses of each character
    TWordListFile FWords;
    std::string FStateFile;
    std::string FHistoryFile;
    std::string FLoadProblem;
    std::string FStateProblem;  // the state cannot be read: it is never written
    std::string FStored;        // the characters of the state, also those of no step now
    TCourseTarget FTarget;
    std::size_t FLearnedSteps = 0;
    std::string FLearned;
    TKeyStats FStats{};
    unsigned char FFocus = 0;
    unsigned char FChosenFocus = 0;
    std::string FNews;
};

}  // namespace teclarium
