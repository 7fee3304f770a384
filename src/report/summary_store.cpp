// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "report/summary_store.h"

#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string_view>
#include <vector>

#include "report/summary_bytes.h"

namespace teclarium {
namespace {

// A new version drops what an older one kept, standings judged by an older rule too.
constexpr int kStoreVersion = 6;
constexpr std::string_view kStoreName = "/informe-del-grup.sqlite";
// A history's days' sums are read at every opening: one value of its row. Each
// day's keys by character are read for a range only: a row a day.
constexpr const char* kSchema =
    "DROP TABLE IF EXISTS days; DROP TABLE IF EXISTS histories;"
    "CREATE TABLE histories(id INTEGER PRIMARY KEY, path BLOB NOT NULL UNIQUE, size INTEGER NOT NULL,"
    " modified INTEGER NOT NULL, changed INTEGER NOT NULL, inode INTEGER NOT NULL,"
    " bad_lines INTEGER NOT NULL, drills INTEGER NOT NULL, days BLOB NOT NULL, chars BLOB NOT NULL,"
    " course_inputs BLOB, course_step INTEGER, course_steps INTEGER, course_met INTEGER);"
    "CREATE TABLE days(history INTEGER NOT NULL, day INTEGER NOT NULL, chars BLOB NOT NULL,"
    " PRIMARY KEY(history, day)) WITHOUT ROWID;"
    "PRAGMA user_version = 6;";

// A prepared statement, finalised when it goes; or one the store keeps prepared,
// only reset when it goes.
class TStatement {
  public:
    TStatement(sqlite3* db, const char* sql) { sqlite3_prepare_v2(db, sql, -1, &FStatement, nullptr); }
    // kept: where the store keeps it, emptied should the store be made anew meanwhile.
    explicit TStatement(sqlite3_stmt* const* kept) : FStatement(*kept), FKept(kept) {}
    ~TStatement() {
        if (!FKept)
            sqlite3_finalize(FStatement);
        else if (*FKept)
            Reset();
    }
    TStatement(const TStatement&) = delete;
    TStatement& operator=(const TStatement&) = delete;
    bool Ok() const { return FStatement != nullptr; }
    TStatement& Bind(int i, std::int64_t value) {
        sqlite3_bind_int64(FStatement, i, value);
        return *this;
    }
    TStatement& Bind(int i, std::string_view bytes) {
        sqlite3_bind_blob64(FStatement, i, bytes.data(), bytes.size(), SQLITE_TRANSIENT);
        return *this;
    }
    void Reset() {
        sqlite3_reset(FStatement);
        sqlite3_clear_bindings(FStatement);
    }
    // SQLITE_ROW, SQLITE_DONE or an error.
    int Step() { return FStatement ? sqlite3_step(FStatement) : SQLITE_ERROR; }
    std::int64_t Int(int column) const { return sqlite3_column_int64(FStatement, column); }
    std::string_view Bytes(int column) const {
        const void* data = sqlite3_column_blob(FStatement, column);
        return {static_cast<const char*>(data),
                static_cast<std::size_t>(sqlite3_column_bytes(FStatement, column))};
    }

  private:
    sqlite3_stmt* FStatement = nullptr;
    sqlite3_stmt* const* FKept = nullptr;
};

bool Damaged(int code) {
    return code == SQLITE_CORRUPT || code == SQLITE_NOTADB;
}

void RemoveStoreFiles(const std::string& file) {
    for (const char* suffix : {"", "-wal", "-shm", "-journal"}) ::unlink((file + suffix).c_str());
}

// The store's database, its tables made when missing or of another version; none
// when it cannot be opened or written.
sqlite3* OpenDatabase(const std::string& file) {
    sqlite3* db = nullptr;
    int code = sqlite3_open_v2(
        file.c_str(), &db,
        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOFOLLOW | SQLITE_OPEN_NOMUTEX, nullptr);
    if (code == SQLITE_OK) {
        sqlite3_busy_timeout(db, 2000);  // another copy of the program writing
        code = sqlite3_exec(db, "PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL;", nullptr, nullptr,
                            nullptr);
    }
    if (code == SQLITE_OK) {
        TStatement version(db, "PRAGMA user_version");
        code = version.Step();
        if (code == SQLITE_ROW)
            code = version.Int(0) == kStoreVersion ? SQLITE_OK
                                                   : sqlite3_exec(db, kSchema, nullptr, nullptr, nullptr);
    }
    if (code == SQLITE_OK) return db;
    sqlite3_close(db);
    return nullptr;
}

// Of this user and written by no one else: no link, no folder others may change.
bool TrustedFolder(const std::string& folder) {
    struct stat status {};
    return ::lstat(folder.c_str(), &status) == 0 && S_ISDIR(status.st_mode) && status.st_uid == ::getuid() &&
           (status.st_mode & 022) == 0;
}

}  // namespace

std::optional<THistoryStamp> HistoryStamp(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    const auto ns = [](const timespec& t) {
        return static_cast<std::int64_t>(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
    };
    return THistoryStamp{path, static_cast<std::uint64_t>(st.st_size), ns(st.st_mtim), ns(st.st_ctim),
                         static_cast<std::uint64_t>(st.st_ino)};
}

std::string SummaryStoreFile(const std::string& folder) {
    return folder + std::string(kStoreName);
}

std::unique_ptr<TSummaryStore> TSummaryStore::Open(const std::string& folder) {
    if (folder.empty() || !TrustedFolder(folder)) return nullptr;
    const std::string file = SummaryStoreFile(folder);
    sqlite3* db = OpenDatabase(file);
    if (!db) {
        // Damaged beyond reading: made anew.
        RemoveStoreFiles(file);
        db = OpenDatabase(file);
    }
    if (!db) return nullptr;
    return std::unique_ptr<TSummaryStore>(new TSummaryStore(file, db));
}

TSummaryStore::~TSummaryStore() {
    FinishPrepared();
    sqlite3_close(FDb);
}

sqlite3_stmt* const* TSummaryStore::Prepared(sqlite3_stmt*& kept, const char* sql) {
    if (!kept) sqlite3_prepare_v3(FDb, sql, -1, SQLITE_PREPARE_PERSISTENT, &kept, nullptr);
    return &kept;
}

void TSummaryStore::FinishPrepared() {
    sqlite3_finalize(FFindHistory);
    FFindHistory = nullptr;
}

void TSummaryStore::Renew() {
    FinishPrepared();
    sqlite3_close(FDb);
    RemoveStoreFiles(FFile);
    FDb = OpenDatabase(FFile);
}

std::optional<TLearnerSummary> TSummaryStore::Find(const THistoryStamp& stamp, TCharCounts* chars) {
    const std::lock_guard lock(FLock);
    if (!FDb) return std::nullopt;
    TStatement history(Prepared(FFindHistory,
                                "SELECT size, modified, changed, inode, bad_lines, drills, days, chars "
                                "FROM histories WHERE path = ?"));
    history.Bind(1, stamp.Path);
    const int code = history.Step();
    if (code != SQLITE_ROW) {
        if (Damaged(code)) Renew();  // the statement kept goes with the store
        return std::nullopt;
    }
    const THistoryStamp kept{stamp.Path, static_cast<std::uint64_t>(history.Int(0)), history.Int(1),
                             history.Int(2), static_cast<std::uint64_t>(history.Int(3))};
    if (kept != stamp || history.Int(4) < 0 || history.Int(5) < 0) return std::nullopt;
    TLearnerSummary summary;
    summary.BadLines = static_cast<std::size_t>(history.Int(4));
    summary.Drills = static_cast<std::size_t>(history.Int(5));
    if (!GetDays(history.Bytes(6), summary.Days)) return std::nullopt;
    std::size_t drills = 0;
    for (const TDaySummary& d : summary.Days) drills += d.Drills;
    if (drills != summary.Drills) return std::nullopt;
    if (chars && !AddChars(history.Bytes(7), *chars)) return std::nullopt;
    return summary;
}

bool TSummaryStore::Keep(const THistoryStamp& stamp, const TLearnerSummary& summary) {
    const std::lock_guard lock(FLock);
    if (!FDb) return false;
    bool good = sqlite3_exec(FDb, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) == SQLITE_OK;
    if (good) {
        TStatement forget(FDb,
                          "DELETE FROM days WHERE history IN (SELECT id FROM histories WHERE path = ?1);");
        TStatement forgetHistory(FDb, "DELETE FROM histories WHERE path = ?1");
        TStatement history(
            FDb,
            "INSERT INTO histories(path, size, modified, changed, inode, bad_lines, drills, days, chars) "
            "VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?)");
        good = forget.Bind(1, stamp.Path).Step() == SQLITE_DONE &&
               forgetHistory.Bind(1, stamp.Path).Step() == SQLITE_DONE &&
               history.Bind(1, stamp.Path)
                       .Bind(2, static_cast<std::int64_t>(stamp.Size))
                       .Bind(3, stamp.ModifiedNs)
                       .Bind(4, stamp.ChangedNs)
                       .Bind(5, static_cast<std::int64_t>(stamp.Inode))
                       .Bind(6, static_cast<std::int64_t>(summary.BadLines))
                       .Bind(7, static_cast<std::int64_t>(summary.Drills))
                       .Bind(8, DaysBytes(summary.Days))
                       // Every day's characters added up, for the report without a range.
                       .Bind(9, CharsBytes(CharTotals(DaysChars(summary.Days))))
                       .Step() == SQLITE_DONE;
        const std::int64_t id = sqlite3_last_insert_rowid(FDb);
        TStatement day(FDb, "INSERT INTO days VALUES(?, ?, ?)");
        for (const TDaySummary& d : summary.Days) {
            if (!good) break;
            good = day.Bind(1, id).Bind(2, d.Day).Bind(3, CharsBytes(d.Chars)).Step() == SQLITE_DONE;
            day.Reset();
        }
    }
    if (good) good = sqlite3_exec(FDb, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK;
    if (!good) {
        const int code = sqlite3_errcode(FDb);
        sqlite3_exec(FDb, "ROLLBACK", nullptr, nullptr, nullptr);
        if (Damaged(code)) Renew();
    }
    return good;
}

std::optional<TKeptCourse> TSummaryStore::FindCourse(const THistoryStamp& stamp, const std::string& inputs) {
    const std::lock_guard lock(FLock);
    if (!FDb) return std::nullopt;
    TStatement course(
        FDb,
        "SELECT course_step, course_steps, course_met FROM histories WHERE path = ? AND size = ? "
        "AND modified = ? AND changed = ? AND inode = ? AND course_inputs = ?");
    course.Bind(1, stamp.Path)
        .Bind(2, static_cast<std::int64_t>(stamp.Size))
        .Bind(3, stamp.ModifiedNs)
        .Bind(4, stamp.ChangedNs)
        .Bind(5, static_cast<std::int64_t>(stamp.Inode))
        .Bind(6, inputs);
    const int code = course.Step();
    if (code != SQLITE_ROW) {
        if (Damaged(code)) Renew();
        return std::nullopt;
    }
    // A step beyond the course's steps makes no sense: asked again.
    if (course.Int(0) < 0) return TKeptCourse{};
    if (course.Int(0) > course.Int(1) || course.Int(1) > INT32_MAX) return std::nullopt;
    return TKeptCourse{TCourseStanding{static_cast<std::size_t>(course.Int(0)),
                                       static_cast<std::size_t>(course.Int(1)), course.Int(2) != 0}};
}

void TSummaryStore::KeepCourse(const THistoryStamp& stamp, const std::string& inputs,
                               const std::optional<TCourseStanding>& standing) {
    const std::lock_guard lock(FLock);
    if (!FDb) return;
    TStatement course(
        FDb,
        "UPDATE histories SET course_inputs = ?, course_step = ?, course_steps = ?, course_met = ? "
        "WHERE path = ? AND size = ? AND modified = ? AND changed = ? AND inode = ?");
    course.Bind(1, inputs)
        .Bind(2, standing ? static_cast<std::int64_t>(standing->Step) : -1)
        .Bind(3, standing ? static_cast<std::int64_t>(standing->Steps) : 0)
        .Bind(4, standing && standing->TargetsMet)
        .Bind(5, stamp.Path)
        .Bind(6, static_cast<std::int64_t>(stamp.Size))
        .Bind(7, stamp.ModifiedNs)
        .Bind(8, stamp.ChangedNs)
        .Bind(9, static_cast<std::int64_t>(stamp.Inode));
    if (Damaged(course.Step())) Renew();
}

void TSummaryStore::RangeChars(const TDayRange& range, const TEachChars& each) {
    const std::lock_guard lock(FLock);
    if (!FDb) return;
    // Each file's days of the range in turn, as the days' key leads.
    TStatement days(FDb,
                    "SELECT histories.id, histories.path, days.chars FROM histories JOIN days "
                    "ON days.history = histories.id WHERE days.day BETWEEN ? AND ? ORDER BY histories.id");
    days.Bind(1, range.From.value_or(INT64_MIN)).Bind(2, range.To.value_or(INT64_MAX));
    std::optional<std::int64_t> id;
    std::string path;
    TCharCounts counts;
    int code = SQLITE_OK;
    while ((code = days.Step()) == SQLITE_ROW) {
        if (id != days.Int(0)) {
            if (id) each(path, counts);
            id = days.Int(0);
            path = days.Bytes(1);
            counts = {};
        }
        AddChars(days.Bytes(2), counts);
    }
    if (id) each(path, counts);
    if (Damaged(code)) Renew();
}

}  // namespace teclarium
