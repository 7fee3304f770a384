// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The histories' summaries kept between openings of the group report, in one
// SQLite database of the user's cache folder: a history unchanged since (the same
// path, size, modification and change time, inode) is not read again. What is read
// back is checked for sense; anything doubtful is read from the history again. A
// store that cannot be opened or is damaged is made anew; one that cannot be written
// is done without. Safe on any thread: one call at a time.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "report/learner_figures.h"

struct sqlite3;
struct sqlite3_stmt;

namespace teclarium {

// What tells one version of a history file from another.
struct THistoryStamp {
    std::string Path;
    std::uint64_t Size = 0;
    std::int64_t ModifiedNs = 0;
    std::int64_t ChangedNs = 0;
    std::uint64_t Inode = 0;
    bool operator==(const THistoryStamp&) const = default;
};

// The stamp of a regular file; none for anything else.
std::optional<THistoryStamp> HistoryStamp(const std::string& path);

// A course standing kept: none where the course was not begun.
struct TKeptCourse {
    std::optional<TCourseStanding> Standing;
};

// The store's file in a folder.
std::string SummaryStoreFile(const std::string& folder);

class TSummaryStore {
  public:
    // The store in folder, which must be this user's and writable by no one else
    // (a link is not followed); none when it cannot be had.
    static std::unique_ptr<TSummaryStore> Open(const std::string& folder);
    ~TSummaryStore();
    TSummaryStore(const TSummaryStore&) = delete;
    TSummaryStore& operator=(const TSummaryStore&) = delete;

    // The summary kept for this very version of the file, without its days'
    // characters (see RangeChars), and in chars, when given, those of every day
    // added up; none when there is none or it makes no sense.
    std::optional<TLearnerSummary> Find(const THistoryStamp& stamp, TCharCounts* chars = nullptr);
    // Keeps a summary for the file, in place of any before; false when it could not
    // be kept (the summary is then left whole).
    bool Keep(const THistoryStamp& stamp, const TLearnerSummary& summary);
    // The course standing kept for this version of the file and these inputs (see
    // TCourseReader); none when there is none.
    std::optional<TKeptCourse> FindCourse(const THistoryStamp& stamp, const std::string& inputs);
    // Keeps it, beside the file's summary kept for this version of it.
    void KeepCourse(const THistoryStamp& stamp, const std::string& inputs,
                    const std::optional<TCourseStanding>& standing);
    // The keys typed by character over the days of range, in one pass over every
    // summary kept: each file's, with its path, that typed any key then.
    using TEachChars = std::function<void(const std::string& path, const TCharCounts& chars)>;
    void RangeChars(const TDayRange& range, const TEachChars& each);

  private:
    TSummaryStore(std::string file, sqlite3* db) : FFile(std::move(file)), FDb(db) {}
    // After an error that says the file is damaged: the store made anew.
    void Renew();
    // The statement asked at every history, prepared once.
    sqlite3_stmt* const* Prepared(sqlite3_stmt*& kept, const char* sql);
    void FinishPrepared();

    std::string FFile;
    sqlite3* FDb = nullptr;
    sqlite3_stmt* FFindHistory = nullptr;
    std::mutex FLock;
};

}  // namespace teclarium
