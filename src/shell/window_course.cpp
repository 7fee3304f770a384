// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The course's menu item, and its lessons as drills of the main window.
#include "course/course_texts.h"
#include "shell/course_link.h"
#include "shell/typewriting_window.h"

namespace teclarium {

void TFTypewriting::MI_F_CourseClick() {
    FCourse->Show();
}

void TFTypewriting::StartCourseDrill(const std::vector<std::string>& words) {
    std::vector<std::string> typable = words;
    if (!FLayout.LeaveOutUntypable(typable)) return;
    FRecorder.SetSource(kCourseSource);
    FDrill.SetWordList(std::move(typable));
    activateWindow();
    StartDrill();
}

}  // namespace teclarium
