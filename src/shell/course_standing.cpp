// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "shell/course_standing.h"

#include <memory>

#include "course/course_rules.h"
#include "course/course_state.h"
#include "course/course_texts.h"
#include "course/key_stats.h"
#include "course/ui/certificate_document.h"
#include "keyboard/key_mapping.h"
#include "keyboard/layout_keymap.h"
#include "keyboard/layout_names.h"
#include "platform/xkb/xkb_layout.h"
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

// What the learner's settings beside the history say for the course.
struct TLearnerCourse {
    TCourseTarget Target;
    TKeyCharsList Keys;
};

// The targets in the learner's settings beside the history, and the keys of the
// keyboard they name when it can be built; else the course's defaults and fileKeys.
TLearnerCourse LearnerCourseBeside(const std::string& historyFile, const TKeyCharsList& fileKeys) {
    TLearnerCourse learner{{}, fileKeys};
    try {
        const TNewIniFile ini(SettingsBeside(historyFile));
        const TCourseSettings read = ReadCourseSettings(ini);
        learner.Target = {read.TargetSpeed, read.TargetAccuracy};
        const std::optional<TXkbLayoutName> chosen = ParseLayoutChoice(ReadSettings(ini).Keyboard);
        if (chosen && !IsKeyMappingFileLayout(*chosen))
            if (const std::optional<TXkbLayout> layout = XkbLayoutFromNames(*chosen, CharKeyScanCodes()))
                learner.Keys = KeyCharsOfLayout(*layout);
    } catch (const TAppError&) {
    }
    return learner;
}

// The learned keys' figures over their latest presses, each key press of a
// character timed on the learner's keyboard, and whether they all meet the
// learner's targets. Throws TAppError when the history cannot be read.
struct TLearnedKeys {
    TKeyStats Stats;
    bool TargetsMet = false;
};
TLearnedKeys LearnedKeysOf(const std::string& historyFile, const TCourseState& state,
                           const TKeyCharsList& fileKeys) {
    TLearnedKeys learned{ReadKeyStats(historyFile, state.Learned).Stats};
    const TLearnerCourse learner = LearnerCourseBeside(historyFile, fileKeys);
    for (const char c : state.Learned)
        learned.Stats[static_cast<unsigned char>(c)].Presses =
            KeyPresses(learner.Keys, static_cast<unsigned char>(c));
    learned.TargetsMet = NextStepUnlocks(state.Learned, learned.Stats, learner.Target);
    return learned;
}

// The key mapping file's keys; none when it cannot be read (each character then one press).
TKeyCharsList FileKeys() {
    try {
        return ReadKeyMapping(ReadWholeFile(kKeyMappingFileName, kKeyMappingMaxBytes));
    } catch (const TAppError&) {
        return {};
    }
}

}  // namespace

std::optional<TCourseStanding> CourseStandingOf(const std::string& historyFile,
                                                const std::vector<TCourseStep>& steps,
                                                const TKeyCharsList& fileKeys) {
    if (!historyFile.ends_with(kHistoryFileExtension)) return std::nullopt;
    const std::string statePath = CourseStateFileName(historyFile);
    if (!FileExists(statePath)) return std::nullopt;
    const TCourseState state = ReadCourseState(statePath);
    if (!state.Error.empty()) return std::nullopt;
    TCourseStanding standing;
    standing.Step = LearnedSteps(steps, state.Learned);
    standing.Steps = steps.size();
    try {
        if (!state.Learned.empty())
            standing.TargetsMet = LearnedKeysOf(historyFile, state, fileKeys).TargetsMet;
    } catch (const TAppError&) {
        standing.TargetsMet = false;  // the history says nothing: the report notes why
    }
    return standing;
}

std::optional<TCertificate> CertificateOf(const std::string& historyFile, std::string name, std::string day,
                                          const std::vector<TCourseStep>& steps,
                                          const TKeyCharsList& fileKeys) {
    if (steps.empty() || !historyFile.ends_with(kHistoryFileExtension)) return std::nullopt;
    const std::string statePath = CourseStateFileName(historyFile);
    if (!FileExists(statePath)) return std::nullopt;
    const TCourseState state = ReadCourseState(statePath);
    if (!state.Error.empty() || LearnedSteps(steps, state.Learned) < steps.size()) return std::nullopt;
    try {
        const TLearnedKeys learned = LearnedKeysOf(historyFile, state, fileKeys);
        if (!learned.TargetsMet) return std::nullopt;
        return Certificate(std::move(name), std::move(day), LearnedChars(steps, state.Learned),
                           learned.Stats);
    } catch (const TAppError&) {
        return std::nullopt;  // no figures to show
    }
}

TCertificateSaver CertificateSaver() {
    const auto steps =
        std::make_shared<const std::vector<TCourseStep>>(ReadCourseFile(std::string(kCourseFileName)).Steps);
    const auto keys = std::make_shared<const TKeyCharsList>(FileKeys());
    return [steps, keys](QWidget* parent, const std::string& historyFile, const std::string& name,
                         QString& folder) {
        const std::optional<TCertificate> certificate =
            CertificateOf(historyFile, name, CertificateDay(QDate::currentDate()), *steps, *keys);
        if (certificate) SaveCertificate(parent, *certificate, folder);
        return certificate.has_value();
    };
}

TCourseReader CourseStandingReader() {
    const auto steps =
        std::make_shared<const std::vector<TCourseStep>>(ReadCourseFile(std::string(kCourseFileName)).Steps);
    const auto keys = std::make_shared<const TKeyCharsList>(FileKeys());
    // Besides the history, the standing comes from the course order, the key mapping,
    // the state and the settings.
    return {[steps, keys](const std::string& historyFile) {
                return CourseStandingOf(historyFile, *steps, *keys);
            },
            [](const std::string& historyFile) {
                if (!historyFile.ends_with(kHistoryFileExtension)) return std::string();
                return StampText(std::string(kCourseFileName)) + '|' + StampText(kKeyMappingFileName) + '|' +
                       StampText(CourseStateFileName(historyFile)) + '|' +
                       StampText(SettingsBeside(historyFile));
            }};
}

}  // namespace teclarium
