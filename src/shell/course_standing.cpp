// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "shell/course_standing.h"

#include <memory>

#include "course/course_rules.h"
#include "course/course_state.h"
#include "course/course_texts.h"
#include "course/key_stats.h"
#include "settings/ini_file.h"
#include "settings/settings_table.h"
#include "settings/users.h"
#include "util/app_error.h"
#include "util/files.h"

namespace teclarium {
namespace {

// The targets in the learner's settings beside the history; the course's defaults
// when they cannot be read.
TCourseTarget TargetBeside(const std::string& historyFile) {
    const std::string settings =
        historyFile.substr(0, historyFile.size() - std::string_view(kHistoryFileExtension).size()) +
        kUserFileExtension;
    try {
        const TCourseSettings read = ReadCourseSettings(TNewIniFile(settings));
        return {read.TargetSpeed, read.TargetAccuracy};
    } catch (const TAppError&) {
        return {};
    }
}

}  // namespace

std::optional<TCourseStanding> CourseStandingOf(const std::string& historyFile,
                                                const std::vector<TCourseStep>& steps) {
    if (!historyFile.ends_with(kHistoryFileExtension)) return std::nullopt;
    const std::string statePath = CourseStateFileName(historyFile);
    if (!FileExists(statePath)) return std::nullopt;
    const TCourseState state = ReadCourseState(statePath);
    if (!state.Error.empty()) return std::nullopt;
    TCourseStanding standing;
    standing.Step = LearnedSteps(steps, state.Learned);
    standing.Steps = steps.size();
    try {
        standing.TargetsMet = !state.Learned.empty() &&
                              NextStepUnlocks(state.Learned, ReadKeyStats(historyFile, state.Learned).Stats,
                                              TargetBeside(historyFile));
    } catch (const TAppError&) {
        standing.TargetsMet = false;  // the history says nothing: the report notes why
    }
    return standing;
}

TCourseReader CourseStandingReader() {
    const auto steps =
        std::make_shared<const std::vector<TCourseStep>>(ReadCourseFile(std::string(kCourseFileName)).Steps);
    return [steps](const std::string& historyFile) { return CourseStandingOf(historyFile, *steps); };
}

}  // namespace teclarium
