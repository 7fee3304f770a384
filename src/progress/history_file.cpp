#include "progress/history_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <map>

#include "progress/progress_texts.h"
#include "util/app_error.h"
#include "util/files.h"
#include "util/messages.h"

namespace teclarium {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

// Whether the file's last bytes are a line end.
bool EndsWithLineEnd(int fd, off_t size) {
    char tail[2] = {};
    return size >= 2 && ::pread(fd, tail, 2, size - 2) == 2 && std::string_view(tail, 2) == kLineEnd;
}

}  // namespace

std::string HistoryFileName(std::string_view settingsFile) {
    const std::size_t slash = settingsFile.find_last_of('/');
    const std::size_t nameStart = slash == std::string_view::npos ? 0 : slash + 1;
    const std::size_t dot = settingsFile.find_last_of('.');
    const std::size_t end = dot != std::string_view::npos && dot > nameStart ? dot : settingsFile.size();
    return std::string(settingsFile.substr(0, end)) + ".hist";
}

void AppendRecord(const std::string& historyFile, const TDrillRecord& record) {
    const int fd = ::open(historyFile.c_str(), O_RDWR | O_CREAT | O_APPEND | O_CLOEXEC, 0666);
    if (fd < 0) throw TAppError(Format(kMsgCannotWriteFile, historyFile));
    struct stat st {};
    std::string text;
    bool ok = ::fstat(fd, &st) == 0;
    if (ok && st.st_size == 0)
        text.append(kHistoryHeader).append(kLineEnd);
    else if (ok && !EndsWithLineEnd(fd, st.st_size))
        text.append(kLineEnd);  // a cut last line stays a line of its own, skipped when read
    text.append(FormatRecord(record)).append(kLineEnd);
    ok = ok && WriteAllBytes(fd, text);
    ok = ::close(fd) == 0 && ok;
    if (!ok) throw TAppError(Format(kMsgCannotWriteFile, historyFile));
}

void TDayProgress::Add(const TDrillRecord& record) {
    CorrectKeys += record.CorrectKeys;
    WrongKeys += record.WrongKeys;
    Tenths += record.CountedTenths;
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
        const bool header = first && line.starts_with("#historial ");
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

TProgress ReadProgressFile(const std::string& historyFile) {
    if (!FileExists(historyFile)) return {};
    return ReadProgress(ReadWholeFile(historyFile, kHistoryFileMaxBytes));
}

}  // namespace teclarium
