// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// Where the learner of a history stands in the course, for the group report: the
// course and the report lie side by side, so the shell joins them.
#pragma once

#include <string>

#include "course/course_file.h"
#include "keyboard/key_chars.h"
#include "report/group_report.h"

namespace teclarium {

// The learner of the history "<folder>/<name>.hist": the steps of the course learned
// from the state beside it ("<name>.curs"), and whether every learned key meets the
// targets of their settings ("<name>.ini") over its latest presses in the history,
// each key press of a character timed on the keyboard the settings name where it can
// be built, else on fileKeys (the key mapping file's).
// None when the course is not begun or its state cannot be read. Reads only.
std::optional<TCourseStanding> CourseStandingOf(const std::string& historyFile,
                                                const std::vector<TCourseStep>& steps,
                                                const TKeyCharsList& fileKeys);

// A reader of the standings on the course order of the data folder, read once.
TCourseReader CourseStandingReader();

}  // namespace teclarium
