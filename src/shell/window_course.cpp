// The course: its window beside the main window, and its lessons as drills of the
// main window.
#include "course/course_texts.h"
#include "course/ui/course_window.h"
#include "shell/typewriting_window.h"

namespace teclarium {

void TFTypewriting::MI_F_CourseClick() {
    if (!FCourseWindow) {
        FCourseWindow =
            new TFCourse({[this] { return SettingsFileName(); }, FKeyDisplay.KeyCharsList(),
                          [this](const std::vector<std::string>& words) { StartCourseDrill(words); },
                          [this] { return FColourBlind; }},
                         this);
        // Each course drill in the history refreshes the window (and may unlock a key).
        FRecorder.SetRecordedHandler([this](const TDrillRecord& record) {
            if (FCourseWindow && record.Source == kCourseSource) FCourseWindow->DrillRecorded();
        });
    } else {
        FCourseWindow->Reload();  // the user, the history or the settings may have changed
    }
    FCourseWindow->show();
    FCourseWindow->raise();
    FCourseWindow->activateWindow();
}

void TFTypewriting::StartCourseDrill(const std::vector<std::string>& words) {
    std::vector<std::string> typable = words;
    if (!LeaveOutUntypable(typable)) return;
    FRecorder.SetSource(kCourseSource);
    FDrill.FWordList.clear();  // gives the old list's memory back first
    FDrill.FWordList = std::move(typable);
    activateWindow();
    StartDrill();
}

}  // namespace teclarium
