// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// Where the learner of a history stands in the course, for the group report: the
// course and the report lie side by side, so the shell joins them.
#pragma once

#include <string>

#include "course/certificate.h"
#include "course/course_file.h"
#include "keyboard/key_chars.h"
#include "report/group_report.h"
#include "report/ui/group_report_window.h"

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

// The course certificate of the learner of the history, with this name and day;
// none unless every step is learned and every learned key meets their targets, as
// the standing counts them. Reads only.
std::optional<TCertificate> CertificateOf(const std::string& historyFile, std::string name, std::string day,
                                          const std::vector<TCourseStep>& steps,
                                          const TKeyCharsList& fileKeys);

// What saves the certificate for the group report, on the course order of the data
// folder, read once; the day is today.
TCertificateSaver CertificateSaver();

// A reader of the standings on the course order of the data folder, read once.
TCourseReader CourseStandingReader();

}  // namespace teclarium
