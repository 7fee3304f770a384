// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// A class's goals, set by the teacher in the class folder's classe.ini: a speed
// and an accuracy, minutes of practice a week, the course step expected by a day,
// and the names the report shows for the class's learners. Each goal is optional;
// a folder without the file has none, and the report is as without classes.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "report/learner_figures.h"
#include "report/learner_summary.h"

namespace teclarium {

inline constexpr std::string_view kClassFileName = "classe.ini";

struct TClassGoals {
    std::optional<int> Speed;                  // keys per minute over the last week of practice, at least
    std::optional<int> Accuracy;               // right keys per hundred over that week, at least
    std::optional<int> WeekMinutes;            // minutes of practice over the last 7 days, at least
    std::optional<int> Step;                   // course steps learned, at least
    std::optional<std::int64_t> By;            // ...by this day (days since 1970-01-01); none: now
    std::map<std::string, std::string> Names;  // learner's file name (no extension) -> name shown
    bool Any() const { return Speed || Accuracy || WeekMinutes || Step; }
    bool operator==(const TClassGoals&) const = default;
};

// Whether two learners' file names (without extension) name the same learner in
// the file: without letter case, as its keys compare.
bool SameLearner(const std::string& one, const std::string& other);
// The name the class gives a learner; none when it gives none.
const std::string* ClassName(const TClassGoals& goals, const std::string& learner);

// The goals in order, as the report names them.
enum TGoal : int { kGoalSpeed, kGoalAccuracy, kGoalMinutes, kGoalStep, kGoalCount };

// Whether a learner meets a goal: none when the class does not set it. The step
// not reached is pending until its day has passed at the figures' activity end.
enum class TGoalState { Met, NotMet, Pending };
std::optional<TGoalState> GoalState(const TClassGoals& goals, TGoal goal, const TLearnerFigures& figures,
                                    const std::optional<TCourseStanding>& course);

// A goal as a grade out of 10: the learner's figure (as GoalState measures it) as
// a share of the goal, 10 at the goal or beyond; the speed and accuracy of a
// learner with no drill in the range are 0. None when the class does not set the goal.
std::optional<double> GoalGrade(const TClassGoals& goals, TGoal goal, const TLearnerFigures& figures,
                                const std::optional<TCourseStanding>& course);

// The sub-folders of a folder that may hold a class, absolute, by name (hidden ones left out).
std::vector<std::string> ClassFolders(const std::string& folder);

// The goals of a folder's classe.ini; none when the folder has no such file. A
// value that is no number (or no ISO day) counts as not set, a number out of its
// range takes the nearer bound, as the settings file's. Throws TAppError, naming
// the file, when it cannot be read.
std::optional<TClassGoals> ReadClassGoals(const std::string& folder);
// Writes the goals into the folder's classe.ini through the atomic writer,
// keeping whatever else the file holds; the file is read first, so that one that
// cannot be read throws TAppError and is not written. Throws TAppError when a name
// cannot be stored (a line break) or the file cannot be written; false when the
// file is read-only and stays so.
bool WriteClassGoals(const std::string& folder, const TClassGoals& goals);

}  // namespace teclarium
