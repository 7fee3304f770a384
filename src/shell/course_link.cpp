// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "shell/course_link.h"

#include <QTimer>

#include "course/course_texts.h"
#include "drill/ui/font_message_dialog.h"
#include "progress/drill_recorder.h"
#include "util/ui/reporting_failures.h"

namespace teclarium {

TCourseLink::TCourseLink(TCourseHost host, TDrillRecorder& recorder, QWidget* window)
    : FHost(std::move(host)), FRecorder(recorder), FWindow(window) {}

void TCourseLink::Show() {
    if (!FCourseWindow) {
        FCourseWindow = new TFCourse(
            {FHost.SettingsFile, FHost.Keys(), FHost.StartDrill, FHost.ColourBlind, FHost.TypingField},
            FWindow);
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

void TCourseLink::KeyboardChanged() {
    if (FCourseWindow) FCourseWindow->SetKeyboard(FHost.Keys());
}

std::string TCourseLink::LessonNews() const {
    return LessonRecorded() ? FCourseWindow->Course().News() : std::string();
}

bool TCourseLink::ShowLessonReport(const QString& report, const QString& news, const QFont& font) {
    if (!LessonRecorded()) return false;
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
