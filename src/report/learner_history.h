// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// One learner's history as the group report reads it: whose it is, from which
// folder, and its drills summed up by day. The report only reads histories; it
// never writes one.
#pragma once

#include <atomic>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "report/learner_summary.h"
#include "report/summary_store.h"

namespace teclarium {

struct TLearnerHistory {
    std::string Name;    // the file's name without its extension; the shared history's: kSharedHistoryName
    std::string Folder;  // the folder that holds it, absolute, without a closing '/'
    std::string File;    // the path it was read from
    TLearnerSummary Summary;         // the lines that could be read, by day
    bool CharsStored = false;        // the days' characters are in the summary store, not in Summary
    std::vector<TCharDay> AllChars;  // then, those of every day added up
    std::string Failure;             // why the file could not be read at all; empty when it was read
    // Read, but no history: no history header, or lines of which not one is a drill.
    bool NotHistory = false;
    std::optional<TCourseStanding> Course;  // where the learner is in the course now; none before it is begun
};

// Every step learned and every learned key at the learner's targets: the course is finished.
inline bool FinishedCourse(const TLearnerHistory& history) {
    return history.Course && history.Course->Steps > 0 && history.Course->Step >= history.Course->Steps &&
           history.Course->TargetsMet;
}

// Reads a history file (native path, UTF-8). A file that cannot be read (missing,
// no regular file, too large) comes back with the reason in Failure and no drills.
// programName tells the shared history from a user's. With a store, the summary
// kept there for this very version of the file is taken instead of reading it, and
// a summary read is kept there. None when stop was set before the reading ended
// (it is looked at between the lines).
std::optional<TLearnerHistory> ReadLearnerHistory(const std::string& file, std::string_view programName,
                                                  TSummaryStore* store = nullptr,
                                                  const std::atomic<bool>* stop = nullptr);

// The history files of a settings folder: the shared one and every user's (a name
// that CheckUserName accepts), by file name.
std::vector<std::string> FolderHistories(const std::string& folder, std::string_view programName);

}  // namespace teclarium
