// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "report/group_report.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string_view>
#include <unordered_map>

namespace teclarium {
namespace {

// What tells one file from another: its device and inode (the same file through
// another path, a link or a second mount point), or its resolved path when it
// cannot be looked at.
std::string FileIdentity(const std::string& file) {
    struct stat st {};
    if (::stat(file.c_str(), &st) == 0) return std::to_string(st.st_dev) + ':' + std::to_string(st.st_ino);
    const std::unique_ptr<char, decltype(&std::free)> real(::realpath(file.c_str(), nullptr), &std::free);
    return "path:" + (real ? std::string(real.get()) : file);
}

}  // namespace

std::size_t TGroupReport::Add(const std::vector<std::string>& files) {
    const std::vector<std::string> fresh = NewFiles(files);
    std::vector<TLearnerHistory> histories;
    histories.reserve(fresh.size());
    for (const std::string& file : fresh) histories.push_back(*Read(file));
    Take(std::move(histories));
    return fresh.size();
}

std::vector<std::string> TGroupReport::NewFiles(const std::vector<std::string>& files) {
    std::vector<std::string> fresh;
    for (const std::string& file : files)
        if (FFiles.insert(FileIdentity(file)).second) fresh.push_back(file);
    return fresh;
}

std::optional<TLearnerHistory> TGroupReport::Read(const std::string& file,
                                                  const std::atomic<bool>* stop) const {
    std::optional<TLearnerHistory> history = ReadLearnerHistory(file, FProgramName, FStore.get(), stop);
    if (history && !history->NotHistory && FCourse.Read) history->Course = CourseOf(file);
    return history;
}

std::optional<TCourseStanding> TGroupReport::CourseOf(const std::string& file) const {
    const std::optional<THistoryStamp> stamp = FStore && FCourse.Inputs ? HistoryStamp(file) : std::nullopt;
    if (!stamp) return FCourse.Read(file);
    const std::string inputs = FCourse.Inputs(file);
    if (std::optional<TKeptCourse> kept = FStore->FindCourse(*stamp, inputs)) return kept->Standing;
    const std::optional<TCourseStanding> standing = FCourse.Read(file);
    FStore->KeepCourse(*stamp, inputs, standing);
    return standing;
}

void TGroupReport::Forget(const std::vector<std::string>& files) {
    for (const std::string& file : files) FFiles.erase(FileIdentity(file));
}

void TGroupReport::Take(std::vector<TLearnerHistory> histories) {
    for (TLearnerHistory& history : histories) {
        if (history.NotHistory)
            FNotHistories.push_back(history.File);
        else
            FLearners.push_back(std::move(history));
    }
    CountNames();
}

void TGroupReport::CountNames() {
    FNameCounts.clear();
    for (const TLearnerHistory& history : FLearners) ++FNameCounts[BaseName(history)];
}

const std::string& TGroupReport::BaseName(const TLearnerHistory& history) const {
    const auto goals = FGoals.find(history.Folder);
    if (goals == FGoals.end()) return history.Name;
    const std::string* name = ClassName(goals->second, history.Name);
    return name ? *name : history.Name;
}

void TGroupReport::SetGoals(const std::string& folder, std::optional<TClassGoals> goals) {
    std::map<std::string, std::optional<TClassGoals>> one;
    one.emplace(folder, std::move(goals));
    SetGoals(std::move(one));
}

void TGroupReport::SetGoals(std::map<std::string, std::optional<TClassGoals>> goals) {
    for (auto& [folder, set] : goals) {
        if (set)
            FGoals[folder] = std::move(*set);
        else
            FGoals.erase(folder);
    }
    CountNames();
}

const TClassGoals* TGroupReport::FolderGoals(const std::string& folder) const {
    const auto goals = FGoals.find(folder);
    return goals == FGoals.end() ? nullptr : &goals->second;
}

const TClassGoals* TGroupReport::GoalsOf(std::size_t learner) const {
    const TClassGoals* goals = FolderGoals(FLearners[learner].Folder);
    return goals && goals->Any() ? goals : nullptr;
}

std::vector<TLearnerFigures> TGroupReport::Figures(const TDayRange& range, std::int64_t today) const {
    std::vector<TLearnerFigures> all;
    all.reserve(FLearners.size());
    // The learners whose keys of the range are in the store, by their file.
    std::unordered_map<std::string_view, std::size_t> stored;
    // Every day's keys of a history, as the summary keeps them.
    const auto allDays = [](const TLearnerHistory& history, TCharCounts& chars) {
        for (const TCharDay& c : history.AllChars) {
            chars.Right[c.Char] = c.Right;
            chars.Wrong[c.Char] = c.Wrong;
        }
    };
    for (const TLearnerHistory& history : FLearners) {
        TLearnerFigures& figures = all.emplace_back(LearnerFigures(history.Summary, range, today));
        if (!history.CharsStored || figures.Drills == 0) continue;
        if (range.From || range.To) {
            stored.emplace(history.File, all.size() - 1);
            continue;
        }
        allDays(history, figures.Chars);
        figures.Weak = WeakKeys(figures.Chars, kWeakKeysCount);
    }
    if (stored.empty()) return all;
    // The keys of the days in the range, or, when fewer days lie outside it, every
    // day's less those of the days outside: the fewer days are read.
    std::size_t inside = 0, outside = 0;
    for (const auto& [path, learner] : stored) {
        inside += all[learner].Days;
        outside += FLearners[learner].Summary.Days.size() - all[learner].Days;
    }
    if (outside < inside) {
        for (const auto& [path, learner] : stored) allDays(FLearners[learner], all[learner].Chars);
        // A history kept anew meanwhile by another copy of the program never counts below none.
        const auto less = [&](const std::string& path, const TCharCounts& chars) {
            const auto learner = stored.find(path);
            if (learner == stored.end()) return;
            TCharCounts& counts = all[learner->second].Chars;
            for (std::size_t ch = 0; ch < 256; ++ch) {
                counts.Right[ch] -= std::min(counts.Right[ch], chars.Right[ch]);
                counts.Wrong[ch] -= std::min(counts.Wrong[ch], chars.Wrong[ch]);
            }
        };
        if (range.From) FStore->RangeChars({std::nullopt, *range.From - 1}, less);
        if (range.To) FStore->RangeChars({*range.To + 1, std::nullopt}, less);
    } else {
        FStore->RangeChars(range, [&](const std::string& path, const TCharCounts& chars) {
            if (const auto learner = stored.find(path); learner != stored.end())
                all[learner->second].Chars = chars;
        });
    }
    for (const auto& [path, learner] : stored)
        all[learner].Weak = WeakKeys(all[learner].Chars, kWeakKeysCount);
    return all;
}

std::string TGroupReport::ShownName(std::size_t learner) const {
    const TLearnerHistory& history = FLearners[learner];
    const std::string& name = BaseName(history);
    return FNameCounts.at(name) > 1 ? name + " (" + history.Folder + ")" : name;
}

}  // namespace teclarium
