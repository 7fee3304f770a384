// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "report/class_goals.h"

#include <QDate>
#include <QDir>
#include <algorithm>

#include "report/report_texts.h"
#include "settings/ini_file.h"
#include "util/app_error.h"
#include "util/codec.h"
#include "util/files.h"
#include "util/text.h"

namespace teclarium {
namespace {

constexpr const char* kGoalsSection = "Objectius";
constexpr const char* kNamesSection = "Noms";
const QDate kDayZero(1970, 1, 1);

struct TGoalKey {
    const char* Name;
    std::optional<int> TClassGoals::*Field;
    int Min;
    int Max;
};
constexpr TGoalKey kGoalKeys[] = {
    {"Velocitat", &TClassGoals::Speed, 1, 2000},
    {"Precisio", &TClassGoals::Accuracy, 1, 100},
    {"MinutsSetmana", &TClassGoals::WeekMinutes, 1, 7 * 24 * 60},
    {"Pas", &TClassGoals::Step, 1, 1000},
};
constexpr const char* kByKey = "PasAbans";  // ISO day

std::string ClassFile(const std::string& folder) {
    return WithTrailingBackslash(folder) + std::string(kClassFileName);
}

}  // namespace

bool SameLearner(const std::string& one, const std::string& other) {
    return QString::fromStdString(one).compare(QString::fromStdString(other), Qt::CaseInsensitive) == 0;
}

const std::string* ClassName(const TClassGoals& goals, const std::string& learner) {
    for (const auto& [name, shown] : goals.Names)
        if (SameLearner(name, learner)) return &shown;
    return nullptr;
}

namespace {

// A goal's target (none: not set) and the learner's figure it is measured by;
// unmeasured, the figure is 0 and meets no goal.
struct TGoalMeasure {
    std::optional<int> Target;
    double Figure = 0;
    bool Measured = false;
};

TGoalMeasure Measure(const TClassGoals& goals, TGoal goal, const TLearnerFigures& f,
                     const std::optional<TCourseStanding>& course) {
    // The week's figures of a learner with no drill in the range.
    const bool any = f.Drills > 0;
    switch (goal) {
        case kGoalSpeed:
            return {goals.Speed, any ? f.LastWeek.KeysPerMinute() : 0, any};
        case kGoalAccuracy:
            return {goals.Accuracy, any ? 100.0 - f.LastWeek.WrongPerHundred() : 0, any};
        case kGoalMinutes:
            return {goals.WeekMinutes, static_cast<double>(f.RecentTenths) / 600.0, true};
        case kGoalStep:
            return {goals.Step, course ? static_cast<double>(course->Step) : 0, course.has_value()};
        default:
            return {};
    }
}

}  // namespace

std::optional<TGoalState> GoalState(const TClassGoals& goals, TGoal goal, const TLearnerFigures& f,
                                    const std::optional<TCourseStanding>& course) {
    const TGoalMeasure m = Measure(goals, goal, f, course);
    if (!m.Target) return std::nullopt;
    if (m.Measured && m.Figure >= *m.Target) return TGoalState::Met;
    // A step not reached yet is pending until its day.
    if (goal == kGoalStep && goals.By && f.ActivityEnd <= *goals.By) return TGoalState::Pending;
    return TGoalState::NotMet;
}

std::optional<double> GoalGrade(const TClassGoals& goals, TGoal goal, const TLearnerFigures& f,
                                const std::optional<TCourseStanding>& course) {
    const TGoalMeasure m = Measure(goals, goal, f, course);
    if (!m.Target) return std::nullopt;
    return std::min(10.0, 10.0 * m.Figure / *m.Target);
}

std::vector<std::string> ClassFolders(const std::string& folder) {
    std::vector<std::string> folders;
    const QDir dir(folder.empty() ? QStringLiteral(".") : QFile::decodeName(folder.c_str()));
    for (const QFileInfo& sub : dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        folders.push_back(QFile::encodeName(sub.absoluteFilePath()).toStdString());
    return folders;
}

std::optional<TClassGoals> ReadClassGoals(const std::string& folder) {
    const std::string file = ClassFile(folder);
    if (!FileExists(file)) return std::nullopt;
    const TNewIniFile ini(file);
    TClassGoals goals;
    for (const TGoalKey& key : kGoalKeys) {
        const std::optional<int> value = ParseIniInteger(ini.ReadString(kGoalsSection, key.Name, ""));
        // 0 (or less) sets no goal; above the range, the highest.
        if (value && *value >= key.Min) goals.*key.Field = std::min(*value, key.Max);
    }
    const QDate by = QDate::fromString(FromAnsi(ini.ReadString(kGoalsSection, kByKey, "")), Qt::ISODate);
    if (by.isValid()) goals.By = kDayZero.daysTo(by);
    for (const std::string& learner : ini.Keys(kNamesSection)) {
        const std::string name = FromAnsi(ini.ReadString(kNamesSection, learner, "")).trimmed().toStdString();
        if (!name.empty()) goals.Names.emplace(FromAnsi(learner).toStdString(), name);
    }
    return goals;
}

bool WriteClassGoals(const std::string& folder, const TClassGoals& goals) {
    TNewIniFile ini(ClassFile(folder));
    for (const auto& [learner, name] : goals.Names)
        if (const std::string bad = FirstCharNotAnsi(QString::fromStdString(name)); !bad.empty())
            throw TAppError(FromUtf8(kMsgGoalsCharNotAnsi)
                                .arg(QString::fromStdString(bad), QString::fromStdString(name))
                                .toStdString());
    for (const TGoalKey& key : kGoalKeys) {
        const std::optional<int>& value = goals.*key.Field;
        ini.WriteString(kGoalsSection, key.Name, value ? std::to_string(*value) : std::string());
    }
    ini.WriteString(
        kGoalsSection, kByKey,
        goals.By ? kDayZero.addDays(*goals.By).toString(Qt::ISODate).toStdString() : std::string());
    // A name emptied is written empty: the learner's own shows again.
    for (const std::string& learner : ini.Keys(kNamesSection))
        if (!ClassName(goals, FromAnsi(learner).toStdString())) ini.WriteString(kNamesSection, learner, "");
    for (const auto& [learner, name] : goals.Names)
        ini.WriteString(kNamesSection, ToAnsi(QString::fromStdString(learner)),
                        ToAnsi(QString::fromStdString(name)));
    return ini.UpdateFile();
}

}  // namespace teclarium
