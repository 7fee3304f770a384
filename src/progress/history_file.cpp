// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "progress/history_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <map>

#include "progress/progress_texts.h"
#include "settings/users.h"
#include "util/app_error.h"
#include "util/codec.h"
#include "util/files.h"
#include "util/messages.h"
#include "util/shared_folder.h"

namespace teclarium {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kHeaderMark = "#historial ";
static_assert(kHistoryHeader.starts_with(kHeaderMark));
// Enough of a file's start to see the version its header names.
constexpr std::size_t kHeaderHeadBytes = 32;

// Whether the file's last bytes are a line end.
bool EndsWithLineEnd(int fd, off_t size) {
    char tail[2] = {};
    return size >= 2 && ::pread(fd, tail, 2, size - 2) == 2 && std::string_view(tail, 2) == kLineEnd;
}

// Whether the file, not empty, is of a newer version than this program's.
bool IsNewerFile(int fd) {
    char head[kHeaderHeadBytes];
    const ssize_t got = ::pread(fd, head, sizeof head, 0);
    return got > 0 && HistoryVersion(std::string_view(head, static_cast<std::size_t>(got))) > kHistoryVersion;
}

// Appends the record's line to the open file; the message of what failed, or none.
std::string_view AppendLine(int fd, const TDrillRecord& record) {
    struct stat st {};
    // Never written into a FIFO or a device that the name leads to.
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) return kMsgCannotWriteFile;
    // Another copy (under another display) may append to the same file: the lock,
    // held from reading the file's length to the line's end or its cut-back, keeps
    // each line whole, one header in a new file, and a cut-back from removing the
    // other's line. A file system without locks is written as before.
    int locked;
    do locked = ::flock(fd, LOCK_EX);
    while (locked != 0 && errno == EINTR);
    // The length under the lock: whoever finds the file empty (its creator, unless
    // another copy locked it first) writes the header.
    if (::fstat(fd, &st) != 0) return kMsgCannotWriteFile;
    if (st.st_size > 0 && IsNewerFile(fd)) return kMsgHistoryNewer;
    std::string text;
    if (st.st_size == 0)
        text.append(kHistoryHeader).append(kLineEnd);
    else if (!EndsWithLineEnd(fd, st.st_size))
        text.append(kLineEnd);  // a cut last line stays a line of its own, skipped when read
    text.append(FormatRecord(record)).append(kLineEnd);
    // The line on the disk before the drill's report says it is kept.
    if (WriteAllBytes(fd, text) && ::fdatasync(fd) == 0) return {};
    // Part of the line may be written (a full disk): cut it off again, or it would be
    // read as a damaged line.
    [[maybe_unused]] const bool cutBack = ::ftruncate(fd, st.st_size) == 0;
    return kMsgCannotWriteFile;
}

}  // namespace

std::uint64_t HistoryVersion(std::string_view fileStart) {
    fileStart = SkipByteOrderMark(fileStart);  // an editor's, before the header
    if (!fileStart.starts_with(kHeaderMark)) return 0;
    std::uint64_t version = 0;
    for (const char ch : fileStart.substr(kHeaderMark.size())) {
        if (ch < '0' || ch > '9') break;
        // A number too large for 64 bits is a version higher than any.
        if (version > (UINT64_MAX - 9) / 10) return UINT64_MAX;
        version = version * 10 + static_cast<std::uint64_t>(ch - '0');
    }
    return version;
}

std::string HistoryFileName(std::string_view settingsFile) {
    const std::size_t slash = settingsFile.find_last_of('/');
    const std::size_t nameStart = slash == std::string_view::npos ? 0 : slash + 1;
    const std::size_t dot = settingsFile.find_last_of('.');
    const std::size_t end = dot != std::string_view::npos && dot > nameStart ? dot : settingsFile.size();
    return std::string(settingsFile.substr(0, end)) + kHistoryFileExtension;
}

void AppendRecord(const std::string& historyFile, const TDrillRecord& record) {
    // In a folder that others may write, a link there is never followed, and the file
    // opened is checked before a byte is written (see shared_folder.h).
    struct stat folder {};
    const bool shared = ::stat(FolderOf(historyFile).c_str(), &folder) == 0 && IsSharedFolder(folder);
    const int fd = ::open(historyFile.c_str(),
                          O_RDWR | O_CREAT | O_APPEND | O_CLOEXEC | (shared ? O_NOFOLLOW : 0), 0666);
    if (fd < 0)
        throw TAppError(
            Format(shared && errno == ELOOP ? kMsgRefusedLink : kMsgCannotWriteFile, historyFile));
    struct stat file {};
    std::string_view failure = !shared                   ? std::string_view()
                               : ::fstat(fd, &file) != 0 ? kMsgCannotWriteFile
                                                         : FileRefusal(folder, file);
    if (failure.empty()) failure = AppendLine(fd, record);
    // Closing releases the lock; on some file systems it reports a failed write.
    if (::close(fd) != 0 && failure.empty()) failure = kMsgCannotWriteFile;
    if (!failure.empty()) throw TAppError(Format(failure, historyFile));
}

void TDayProgress::Add(const TDrillRecord& record) {
    CorrectKeys += record.CorrectKeys;
    WrongKeys += record.WrongKeys;
    Tenths += record.CountedTenths;
    Words += record.Words;
}

double TDayProgress::WordsPerMinute() const {
    return Tenths == 0 ? 0.0 : static_cast<double>(Words) * 600.0 / static_cast<double>(Tenths);
}

double TDayProgress::AccuracyPercent() const {
    const std::uint64_t typed = CorrectKeys + WrongKeys;
    return typed == 0 ? 0.0 : static_cast<double>(CorrectKeys) * 100.0 / static_cast<double>(typed);
}

double TDayProgress::KeysPerMinute() const {
    return Tenths == 0 ? 0.0 : static_cast<double>(CorrectKeys) * 600.0 / static_cast<double>(Tenths);
}

double TDayProgress::WrongPerHundred() const {
    const std::uint64_t typed = CorrectKeys + WrongKeys;
    return typed == 0 ? 0.0 : static_cast<double>(WrongKeys) * 100.0 / static_cast<double>(typed);
}

void TCharStats::Add(const TDrillRecord& record) {
    for (const TCharTally& t : record.Chars) {
        Right[t.Char] += t.Right;
        Wrong[t.Char] += t.Wrong;
    }
    for (const TMiss& m : record.Misses) Instead[m.Expected * 256u + m.Typed] += m.Count;
}

std::size_t ForEachRecord(std::string_view bytes, const std::function<void(TDrillRecord&)>& each) {
    bytes = SkipByteOrderMark(bytes);
    std::size_t badLines = 0;
    TDrillRecord record;
    bool first = true;
    while (!bytes.empty()) {
        const std::size_t lf = bytes.find('\n');
        if (lf == std::string_view::npos) {
            ++badLines;  // a last line without its line end was cut while written
            break;
        }
        std::string_view line = bytes.substr(0, lf);
        bytes.remove_prefix(lf + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const bool header = first && line.starts_with(kHeaderMark);
        first = false;
        if (header || line.empty()) continue;
        if (!ParseRecord(line, record)) {
            ++badLines;
            continue;
        }
        each(record);
    }
    return badLines;
}

TProgress ReadProgress(std::string_view bytes) {
    TProgress progress;
    if (HistoryVersion(bytes) > kHistoryVersion) {
        progress.Newer = true;
        return progress;
    }
    std::map<std::int64_t, TDayProgress> days;
    progress.BadLines = ForEachRecord(bytes, [&](const TDrillRecord& record) {
        ++progress.Drills;
        const std::int64_t day = DayOf(record.When);
        TDayProgress& d = days[day];
        d.Day = day;
        d.Add(record);
        progress.Chars.Add(record);
    });
    progress.Days.reserve(days.size());
    for (const auto& entry : days) progress.Days.push_back(entry.second);
    return progress;
}

std::string ReadHistoryBytes(const std::string& historyFile) {
    std::string bytes = ReadWholeFile(historyFile, kHistoryFileMaxBytes);
    if (HistoryVersion(bytes) > kHistoryVersion) throw TAppError(Format(kMsgHistoryNewer, historyFile));
    return bytes;
}

TProgress ReadProgressFile(const std::string& historyFile) {
    if (!FileExists(historyFile)) return {};
    return ReadProgress(ReadHistoryBytes(historyFile));
}

}  // namespace teclarium
