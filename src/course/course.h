// A user's course: the order and the word list, the steps learned (kept beside
// the user's settings), each learned character's recent figures from the history,
// and what follows from them: the focus key, unlocking and the next lesson.
#pragma once

#include <QString>
#include <cstdint>
#include <string>
#include <vector>

#include "course/course_file.h"
#include "course/course_rules.h"
#include "course/key_stats.h"
#include "course/word_list_file.h"

namespace teclarium {

// Characters for the window: "à è".
QString CharsText(std::string_view chars);

class TCourse {
  public:
    TCourse(TCourseFile order, TWordListFile words);

    // Reads the user's state and history (the settings file names both). Nothing
    // throws: what cannot be read is said in the problems below.
    void Load(const std::string& settingsFile, const TCourseTarget& target);

    // After a course drill: unlocks the next step when every learned character is
    // at the target, and keeps it. Returns the characters unlocked, or empty.
    // Throws TAppError when the state cannot be written.
    std::string UnlockIfDue();
    // Unlocks the next step now (for those who already type); as UnlockIfDue.
    std::string LearnNext();
    // Back to the first step. Throws TAppError when the state cannot be written.
    void Restart();

    // The lesson's words; empty when no lesson can be offered (see LessonProblem).
    std::vector<std::string> Lesson(std::size_t count, std::uint32_t seed) const;

    // Why no lesson can be offered: the order's or the word list's message; empty when one can.
    std::string LessonProblem() const;
    // The state's or the history's message, when either could not be read; empty otherwise.
    const std::string& LoadProblem() const { return FLoadProblem; }

    const std::vector<TCourseStep>& Steps() const { return FOrder.Steps; }
    std::size_t LearnedSteps() const { return FLearnedSteps; }
    const std::string& Learned() const { return FLearned; }  // in course order
    // The next step's characters; empty when the whole course is learned.
    std::string NextChars() const;
    const TKeyStats& Stats() const { return FStats; }
    const TCourseTarget& Target() const { return FTarget; }
    unsigned char Focus() const { return FFocus; }
    // "Pas 3 de 35: <name>. Tecla següent: ..." or, at the end, that the course is learned.
    QString StepLine() const;

  private:
    std::string SetLearnedSteps(std::size_t count);
    void Derive();

    TCourseFile FOrder;
    TWordListFile FWords;
    std::string FStateFile;
    std::string FHistoryFile;
    std::string FLoadProblem;
    TCourseTarget FTarget;
    std::size_t FLearnedSteps = 0;
    std::string FLearned;
    TKeyStats FStats{};
    unsigned char FFocus = 0;
};

}  // namespace teclarium
