#include "course/course.h"

#include "course/course_state.h"
#include "course/course_texts.h"
#include "course/lesson.h"
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

TCourse::TCourse(TCourseFile order, TWordListFile words)
    : FOrder(std::move(order)), FWords(std::move(words)) {}

void TCourse::Load(const std::string& settingsFile, const TCourseTarget& target) {
    FTarget = target;
    FStateFile = CourseStateFileName(settingsFile);
    FHistoryFile = HistoryFileName(settingsFile);
    const TCourseState state = ReadCourseState(FStateFile);
    FLoadProblem = state.Error;
    FLearnedSteps = teclarium::LearnedSteps(FOrder.Steps, state.Learned);
    FLearned = StepChars(FOrder.Steps, FLearnedSteps);
    Derive();
}

void TCourse::Derive() {
    FStats = {};
    if (!FHistoryFile.empty()) {
        try {
            FStats = ReadKeyStats(FHistoryFile, FLearned).Stats;
        } catch (const TAppError& error) {
            // The course stays at the keys stored for the user.
            FLoadProblem = error.what();
        }
    }
    FFocus = FocusKey(FLearned, FStats, FTarget);
}

std::string TCourse::SetLearnedSteps(std::size_t count) {
    const std::string before = FLearned;
    const std::string learned = StepChars(FOrder.Steps, count);
    WriteCourseState(FStateFile, learned);
    FLearnedSteps = count;
    FLearned = learned;
    Derive();
    return FLearned.substr(before.size());
}

std::string TCourse::UnlockIfDue() {
    if (!NextStepUnlocks(FLearned, FStats, FTarget)) return {};
    return LearnNext();
}

std::string TCourse::LearnNext() {
    if (FLearnedSteps >= FOrder.Steps.size()) return {};
    return SetLearnedSteps(FLearnedSteps + 1);
}

void TCourse::Restart() {
    if (!FOrder.Steps.empty()) SetLearnedSteps(1);
}

std::string TCourse::NextChars() const {
    return FLearnedSteps < FOrder.Steps.size() ? FOrder.Steps[FLearnedSteps].Chars : std::string();
}

QString TCourse::StepLine() const {
    const std::vector<TCourseStep>& steps = FOrder.Steps;
    if (steps.empty()) return {};
    QString text = FromUtf8(kCourseStep)
                       .arg(FLearnedSteps)
                       .arg(steps.size())
                       .arg(FromAnsi(steps[FLearnedSteps - 1].Name));
    if (FLearnedSteps < steps.size())
        return text + QStringLiteral(". ") +
               FromUtf8(kCourseNextStep).arg(CharsText(NextChars()), FromAnsi(steps[FLearnedSteps].Name));
    return text + QStringLiteral(". ") + FromUtf8(kCourseAllLearned);
}

std::string TCourse::LessonProblem() const {
    return !FOrder.Error.empty() ? FOrder.Error : FWords.Error;
}

std::vector<std::string> TCourse::Lesson(std::size_t count, std::uint32_t seed) const {
    if (!LessonProblem().empty()) return {};
    return MakeLesson(FWords.Words, FLearned, FFocus, FStats, count, seed);
}

}  // namespace teclarium
