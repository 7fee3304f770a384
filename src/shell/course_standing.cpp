// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "shell/course_standing.h"

#include <memory>

#include "course/course_rules.h"
#include "course/course_state.h"
#include "course/course_texts.h"
#include "course/key_stats.h"
#include "report/summary_store.h"
#include "settings/ini_file.h"
#include "settings/settings_table.h"
#include "settings/users.h"
#include "util/app_error.h"
#include "util/files.h"

namespace teclarium {
namespace {

// The learner's settings beside the history.
std::string SettingsBeside(const std::string& historyFile) {
    return historyFile.substr(0, historyFile.size() - std::string_view(kHistoryFileExtension).size()) +
           kUserFileExtension;
}

// A file's version as a text: size, times and inode; "-" when it is no file.
std::string StampText(const std::string& file) {
    const std::optional<THistoryStamp> stamp = HistoryStamp(file);
    if (!stamp) return "-";
    return std::to_string(stamp->Size) + ' ' + std::to_string(stamp->ModifiedNs) + ' ' +
           std::to_string(stamp->ChangedNs) + ' ' + std::to_string(stamp->Inode);
}

// The targets in the learner's settings beside the history; the course's defaults
// when they cannot be read.
TCourseTarget TargetBeside(const std::string& historyFile) {
    const std::string settings = SettingsBeside(historyFile);
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
    // Besides the history, the standing comes from the course order, the state and the settings.
    return {[steps](const std::string& historyFile) { return CourseStandingOf(historyFile, *steps); },
            [](const std::string& historyFile) {
                if (!historyFile.ends_with(kHistoryFileExtension)) return std::string();
                return StampText(std::string(kCourseFileName)) + '|' +
                       StampText(CourseStateFileName(historyFile)) + '|' +
                       StampText(SettingsBeside(historyFile));
            }};
}

}  // namespace teclarium
