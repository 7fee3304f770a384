// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "report/learner_history.h"

#include <dirent.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "progress/history_file.h"
#include "report/report_texts.h"
#include "settings/users.h"
#include "util/app_error.h"
#include "util/files.h"
#include "util/messages.h"
#include "util/text.h"

namespace teclarium {
namespace {

bool IsSharedName(std::string_view name, std::string_view programName) {
    return AsciiUpperCase(name) == AsciiUpperCase(programName);
}

// A history file is one that HistoryFileName leaves as it is: its extension is the history's.
bool IsHistoryFileName(std::string_view file) {
    return file.size() > 1 && HistoryFileName(file) == file;
}

// The folder of a path, absolute and without links where it can be resolved.
std::string FolderOf(const std::string& file) {
    const std::size_t slash = file.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : file.substr(0, slash);
    const std::unique_ptr<char, decltype(&std::free)> real(::realpath(folder.c_str(), nullptr), &std::free);
    return real ? std::string(real.get()) : folder;
}

// Thrown from inside the reading when it is to stop.
struct TReadStopped {};

}  // namespace

std::optional<TLearnerHistory> ReadLearnerHistory(const std::string& file, std::string_view programName,
                                                  TSummaryStore* store, const std::atomic<bool>* stop) {
    TLearnerHistory history;
    history.File = file;
    history.Folder = FolderOf(file);
    history.Name = BareFileName(file);
    if (IsSharedName(history.Name, programName)) history.Name = kSharedHistoryName;
    // Only a regular file is opened: a FIFO or a device could keep the read waiting.
    if (!FileExists(file)) {
        history.Failure = Format(kMsgCannotOpenFile, file);
        return history;
    }
    const std::optional<THistoryStamp> stamp = store ? HistoryStamp(file) : std::nullopt;
    if (stamp) {
        TCharCounts all;
        if (std::optional<TLearnerSummary> summary = store->Find(*stamp, &all)) {
            history.Summary = std::move(*summary);
            history.CharsStored = true;
            history.AllChars = CharTotals(all);
            return history;  // only histories are kept
        }
    }
    try {
        const std::string bytes = ReadHistoryBytes(file);
        TSummaryBuilder builder;
        const std::size_t badLines = ForEachRecord(bytes, [&](TDrillRecord& record) {
            if (stop && stop->load(std::memory_order_relaxed)) throw TReadStopped();
            builder.Add(record);
        });
        history.Summary = builder.Take(badLines);
        // A file without the history's header, or with lines of which not one is a drill.
        history.NotHistory =
            !bytes.empty() &&
            (HistoryVersion(bytes) == 0 || (history.Summary.Drills == 0 && history.Summary.BadLines > 0));
    } catch (const TAppError& error) {
        history.Failure = error.what();
        return history;
    } catch (const TReadStopped&) {
        return std::nullopt;
    }
    if (stamp && !history.NotHistory && store->Keep(*stamp, history.Summary)) {
        history.AllChars = CharTotals(DaysChars(history.Summary.Days));
        // Read back from the store for a range: not kept twice.
        for (TDaySummary& day : history.Summary.Days) std::vector<TCharDay>().swap(day.Chars);
        history.CharsStored = true;
    }
    return history;
}

std::vector<std::string> FolderHistories(const std::string& folder, std::string_view programName) {
    std::vector<std::string> files;
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.empty() ? "." : folder.c_str()),
                                                  &::closedir);
    if (!dir) return files;
    const std::string prefix = folder.empty() ? std::string() : WithTrailingBackslash(folder);
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string_view file = entry->d_name;
        if (!IsHistoryFileName(file)) continue;
        const std::string name = BareFileName(file);
        if (!IsSharedName(name, programName) && !CheckUserName(name, programName).empty()) continue;
        if (FileExists(prefix + std::string(file))) files.push_back(prefix + std::string(file));
    }
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace teclarium
