// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The course state of a user: the characters learned, kept beside the user's
// settings file ("<name>.curs") and written through the atomic writer. The rest
// (speeds, accuracy, the focus) comes from the history.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "course/course_file.h"

namespace teclarium {

// "<folder>/<name>.curs" for the settings file "<folder>/<name>.ini".
std::string CourseStateFileName(std::string_view settingsFile);

struct TCourseState {
    std::string Learned;      // the characters learned (Windows-1252 bytes)
    unsigned char Focus = 0;  // the focus the learner chose; 0: the rule's
    std::string News;         // the characters last unlocked, until the next lesson
    std::string Error;        // the message about a bad line (UTF-8); empty when good
};

// The state in the file's content; a bad line is named with its number, a state of
// a later version is refused, and the state is then empty. A byte-order mark is
// skipped (the text after it is taken as UTF-8).
TCourseState ParseCourseState(std::string_view content, std::string_view fileName);
// The file's text for the learned characters, the chosen focus and the news; bytes
// that cannot be drilled (a line break among them) and repeated ones are left out.
std::string CourseStateText(std::string_view learned, unsigned char focus = 0, std::string_view news = {});
// A missing file is a course not begun. Reading does not throw: a file that cannot
// be read gives its message.
TCourseState ReadCourseState(const std::string& path);
// Throws TAppError when the file cannot be written; the old file then stays.
void WriteCourseState(const std::string& path, std::string_view learned, unsigned char focus = 0,
                      std::string_view news = {});

// How many steps are learned: the leading steps whose characters are all among the
// learned ones, and always the first.
std::size_t LearnedSteps(const std::vector<TCourseStep>& steps, std::string_view learned);
// The characters of every learned step (all of its characters among the learned
// ones, and always the first), in course order: a step put before them later
// leaves the later ones learned.
std::string LearnedChars(const std::vector<TCourseStep>& steps, std::string_view learned);
// The characters of the first count steps, in course order.
std::string StepChars(const std::vector<TCourseStep>& steps, std::size_t count);

}  // namespace teclarium
