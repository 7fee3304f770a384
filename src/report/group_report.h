// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The learners of the group report: the histories read so far, each file once.
#pragma once

#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "report/class_goals.h"
#include "report/learner_figures.h"
#include "report/learner_history.h"

namespace teclarium {

// Where the learner of a history file stands in the course now; none where the
// course is not begun. The course lies beside the report, out of its reach: the
// shell gives the reader, and with it what the standing depends on beside the
// history (a text that changes whenever that may have): while neither the
// history nor that text changed, the standing kept in the summary store is taken.
struct TCourseReader {
    using TRead = std::function<std::optional<TCourseStanding>(const std::string& historyFile)>;
    using TInputs = std::function<std::string(const std::string& historyFile)>;
    TCourseReader() = default;
    // Without inputs, a standing is never kept.
    TCourseReader(TRead read, TInputs inputs = {}) : Read(std::move(read)), Inputs(std::move(inputs)) {}
    TRead Read;
    TInputs Inputs;
};

class TGroupReport {
  public:
    // storeFolder: where the histories' summaries are kept (see TSummaryStore);
    // empty: none kept.
    explicit TGroupReport(std::string programName, TCourseReader course = {},
                          const std::string& storeFolder = {})
        : FProgramName(std::move(programName)),
          FCourse(std::move(course)),
          FStore(TSummaryStore::Open(storeFolder)) {}

    // Reads the files that are not in the report yet, in the order given; a file
    // already in it, by whatever path or link, counts once. A file that is no
    // history goes to NotHistories, not among the learners. Returns how many files
    // were new. The same in three steps, so that the reading can run on other threads:
    std::size_t Add(const std::vector<std::string>& files);
    // The files not in the report yet, each once, in the order given: from now on
    // they count as in it.
    std::vector<std::string> NewFiles(const std::vector<std::string>& files);
    // Reads one of them; safe on any thread while the report is not changed. None
    // when stop was set before the reading ended.
    std::optional<TLearnerHistory> Read(const std::string& file,
                                        const std::atomic<bool>* stop = nullptr) const;
    // Takes them in, read, in their order.
    void Take(std::vector<TLearnerHistory> histories);
    // Files from NewFiles left unread: they count as not in the report again.
    void Forget(const std::vector<std::string>& files);

    const std::vector<TLearnerHistory>& Learners() const { return FLearners; }
    // Every learner's figures over the range (today: see LearnerFigures), in the
    // learners' order: a range's characters kept in the store in one pass over it.
    std::vector<TLearnerFigures> Figures(const TDayRange& range, std::int64_t today) const;
    // The files given that are no history, as given.
    const std::vector<std::string>& NotHistories() const { return FNotHistories; }

    // The learner's name as the report shows it: the one their class gives them,
    // else the file's; followed by the folder in parentheses when another learner
    // of the report has the same name.
    std::string ShownName(std::size_t learner) const;

    // The goals of the class whose folder is given (see TClassGoals); none: none set.
    void SetGoals(const std::string& folder, std::optional<TClassGoals> goals);
    // The same for many classes at once: the learners' names counted once, not
    // once a class.
    void SetGoals(std::map<std::string, std::optional<TClassGoals>> goals);
    // The goals of the learner's class; none when it sets none.
    const TClassGoals* GoalsOf(std::size_t learner) const;
    // The folder's goals as set; none when none are.
    const TClassGoals* FolderGoals(const std::string& folder) const;

  private:
    std::optional<TCourseStanding> CourseOf(const std::string& file) const;

    std::string FProgramName;
    TCourseReader FCourse;
    std::unique_ptr<TSummaryStore> FStore;
    std::vector<TLearnerHistory> FLearners;
    std::vector<std::string> FNotHistories;
    std::set<std::string> FFiles;  // identities of the files read: device and inode, else the path
    std::map<std::string, std::size_t> FNameCounts;  // learners by the name shown
    std::map<std::string, TClassGoals> FGoals;       // by folder
    // The name shown before the folder (the class's for the learner, else the file's).
    const std::string& BaseName(const TLearnerHistory& history) const;
    void CountNames();
};

}  // namespace teclarium
