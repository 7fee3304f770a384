// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The course: its window beside the main window, and its lessons as drills of the
// main window.
#include <QTimer>

#include "course/course_texts.h"
#include "course/ui/course_window.h"
#include "drill/ui/font_message_dialog.h"
#include "drill/ui/typing_edit.h"
#include "keyboard/layout_names.h"
#include "shell/speech_output.h"
#include "shell/typewriting_window.h"
#include "speech/drill_speech.h"
#include "util/ui/reporting_failures.h"

namespace teclarium {

void TFTypewriting::MI_F_CourseClick() {
    if (!FCourseWindow) {
        FCourseWindow =
            new TFCourse({[this] { return SettingsFileName(); }, CourseKeys(),
                          [this](const std::vector<std::string>& words) { StartCourseDrill(words); },
                          [this] { return FColourBlind; },
                          [this] { return QRect(Edit->mapToGlobal(QPoint(0, 0)), Edit->size()); }},
                         this);
        // Each course drill in the history refreshes the window (and may unlock a key).
        FRecorder.SetRecordedHandler([this](const TDrillRecord& record) {
            FLessonRecorded = FCourseWindow && record.Source == kCourseSource;
            if (FLessonRecorded) FCourseWindow->DrillRecorded();
        });
    } else {
        FCourseWindow->Reload();  // the user, the history or the settings may have changed
    }
    FCourseWindow->show();
    FCourseWindow->raise();
    FCourseWindow->activateWindow();
}

TCourseKeys TFTypewriting::CourseKeys() const {
    return {FKeyDisplay.KeyCharsList(), IsKeyMappingFileLayout(FKeyboardLayout), KeyboardName()};
}

void TFTypewriting::StartCourseDrill(const std::vector<std::string>& words) {
    std::vector<std::string> typable = words;
    if (!LeaveOutUntypable(typable)) return;
    FRecorder.SetSource(kCourseSource);
    FDrill.SetWordList(std::move(typable));
    activateWindow();
    StartDrill();
}

QString TFTypewriting::LessonNewsUtterance() {
    if (!FLessonRecorded || !FCourseWindow) return {};
    return NewKeysUtterance(FSpeech->Keys(FKeyDisplay.KeyCharsList()), FCourseWindow->Course().News());
}

bool TFTypewriting::ShowLessonReport(const QString& report, const QString& news, const QFont& font) {
    if (!FLessonRecorded || !FCourseWindow) return false;
    FLessonRecorded = false;
    const int answer = FontMessageDialog(report + FCourseWindow->LessonReportNote(news), font, true,
                                         TMsgDlgType::Information, mbYes | mbNo, 0);
    // After the key that closed the report is done with.
    if (answer == mrYes)
        QTimer::singleShot(0, FCourseWindow, [window = FCourseWindow] {
            if (window) ReportingFailures([&] { window->BB_StartLessonClick(); });
        });
    return true;
}

}  // namespace teclarium
