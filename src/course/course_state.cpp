#include "course/course_state.h"

#include <algorithm>
#include <array>

#include "course/course_texts.h"
#include "progress/history_file.h"
#include "settings/users.h"
#include "util/app_error.h"
#include "util/codec.h"
#include "util/files.h"
#include "util/messages.h"
#include "util/text.h"

namespace teclarium {
namespace {

constexpr std::string_view kStateHeaderName = "#curs ";
constexpr std::string_view kStateHeader = "#curs 1";
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kLearnedKey = "apreses=";

// "<name>.curs" beside the history "<name>.hist"; none for another name.
std::optional<std::string> StateBesideHistory(std::string_view historyFile) {
    const std::string_view extension = kHistoryFileExtension;
    if (!historyFile.ends_with(extension)) return std::nullopt;
    historyFile.remove_suffix(extension.size());
    return std::string(historyFile) + kCourseStateExtension;
}

}  // namespace

std::string CourseStateFileName(std::string_view settingsFile) {
    return *StateBesideHistory(HistoryFileName(settingsFile));
}

TCourseState ParseCourseState(std::string_view content, std::string_view fileName) {
    TCourseState state;
    std::string decoded;
    if (content.starts_with(kUtf8Mark)) {
        // An editor's byte-order mark: the rest is UTF-8 text.
        content.remove_prefix(kUtf8Mark.size());
        decoded = ToAnsi(QString::fromUtf8(content.data(), static_cast<qsizetype>(content.size())));
        content = decoded;
    }
    int number = 0;
    std::string_view fault;
    bool newer = false;
    ForEachLine(content, [&](std::string_view line) {
        ++number;
        if (line.empty() || (number == 1 && line == kStateHeader)) return true;
        if (number == 1 && line.starts_with(kStateHeaderName)) {
            newer = true;  // another header: a later version's
            return false;
        }
        if (!line.starts_with(kLearnedKey)) {
            fault = kReasonUnknownLine;
            return false;
        }
        for (char c : line.substr(kLearnedKey.size())) {
            if (!IsDrillChar(static_cast<unsigned char>(c))) {
                fault = kReasonBadChar;
                return false;
            }
        }
        state.Learned = line.substr(kLearnedKey.size());
        return true;
    });
    if (newer) {
        state.Learned.clear();
        state.Error = Format(kMsgStateNewer, fileName);
    } else if (!fault.empty()) {
        state.Learned.clear();
        state.Error = BadDataLine(fileName, number, fault);
    }
    return state;
}

std::string CourseStateText(std::string_view learned) {
    std::string text(kStateHeader);
    text.append("\r\n").append(kLearnedKey);
    std::array<bool, 256> kept{};
    for (char c : learned) {
        const auto ch = static_cast<unsigned char>(c);
        if (IsDrillChar(ch) && !kept[ch]) text += c;
        kept[ch] = true;
    }
    return text.append("\r\n");
}

TCourseState ReadCourseState(const std::string& path) {
    try {
        if (!FileExists(path)) return {};
        return ParseCourseState(ReadWholeFile(path, kCourseFileMaxBytes), path);
    } catch (const TAppError& error) {
        return {{}, error.what()};
    }
}

std::optional<std::size_t> LearnedKeysBeside(const std::string& historyFile) {
    const std::optional<std::string> path = StateBesideHistory(historyFile);
    if (!path || !FileExists(*path)) return std::nullopt;
    const TCourseState state = ReadCourseState(*path);
    if (!state.Error.empty()) return std::nullopt;
    return state.Learned.size();
}

void WriteCourseState(const std::string& path, std::string_view learned) {
    WriteWholeFile(path, CourseStateText(learned));
}

std::size_t LearnedSteps(const std::vector<TCourseStep>& steps, std::string_view learned) {
    std::array<bool, 256> known{};
    for (char c : learned) known[static_cast<unsigned char>(c)] = true;
    std::size_t count = 0;
    while (count < steps.size()) {
        const std::string& chars = steps[count].Chars;
        const bool all = std::all_of(chars.begin(), chars.end(),
                                     [&](char c) { return known[static_cast<unsigned char>(c)]; });
        if (!all) break;
        ++count;
    }
    return std::max<std::size_t>(count, steps.empty() ? 0 : 1);
}

std::string LearnedChars(const std::vector<TCourseStep>& steps, std::string_view learned) {
    std::array<bool, 256> known{};
    for (char c : learned) known[static_cast<unsigned char>(c)] = true;
    std::string chars;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const std::string& step = steps[i].Chars;
        if (i == 0 || std::all_of(step.begin(), step.end(),
                                  [&](char c) { return known[static_cast<unsigned char>(c)]; }))
            chars += step;
    }
    return chars;
}

std::string StepChars(const std::vector<TCourseStep>& steps, std::size_t count) {
    std::string chars;
    for (std::size_t i = 0; i < count && i < steps.size(); ++i) chars += steps[i].Chars;
    return chars;
}

}  // namespace teclarium
