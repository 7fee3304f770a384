// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
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
constexpr std::string_view kLearnedKey = "apreses=";
constexpr std::string_view kFocusKey = "focus=";
constexpr std::string_view kNewsKey = "nova=";

// The drillable bytes of chars, each once.
std::string DrillChars(std::string_view chars) {
    std::string kept;
    std::array<bool, 256> seen{};
    for (char c : chars) {
        const auto ch = static_cast<unsigned char>(c);
        if (IsDrillChar(ch) && !seen[ch]) kept += c;
        seen[ch] = true;
    }
    return kept;
}

}  // namespace

std::string CourseStateFileName(std::string_view settingsFile) {
    std::string path = HistoryFileName(settingsFile);
    path.resize(path.size() - std::string_view(kHistoryFileExtension).size());
    return path + kCourseStateExtension;
}

TCourseState ParseCourseState(std::string_view content, std::string_view fileName) {
    TCourseState state;
    std::string decoded;
    if (content.starts_with(kUtf8ByteOrderMark)) {
        // An editor's byte-order mark: the rest is UTF-8 text.
        content.remove_prefix(kUtf8ByteOrderMark.size());
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
        const std::size_t equals = line.find('=');
        const std::string_view key = line.substr(0, equals == std::string_view::npos ? 0 : equals + 1);
        const std::string_view value = line.substr(key.size());
        if (key != kLearnedKey && key != kFocusKey && key != kNewsKey) {
            fault = kReasonUnknownLine;
            return false;
        }
        if (std::any_of(value.begin(), value.end(),
                        [](char c) { return !IsDrillChar(static_cast<unsigned char>(c)); }) ||
            (key == kFocusKey && value.size() > 1)) {
            fault = kReasonBadChar;
            return false;
        }
        if (key == kLearnedKey) state.Learned = value;
        if (key == kNewsKey) state.News = value;
        if (key == kFocusKey) state.Focus = value.empty() ? 0 : static_cast<unsigned char>(value.front());
        return true;
    });
    if (newer || !fault.empty()) state = {};
    if (newer) {
        state.Error = Format(kMsgStateNewer, fileName);
    } else if (!fault.empty()) {
        state.Error = BadDataLine(fileName, number, fault);
    }
    return state;
}

std::string CourseStateText(std::string_view learned, unsigned char focus, std::string_view news) {
    std::string text(kStateHeader);
    text.append("\r\n").append(kLearnedKey).append(DrillChars(learned)).append("\r\n");
    if (IsDrillChar(focus)) text.append(kFocusKey).append(1, static_cast<char>(focus)).append("\r\n");
    const std::string newsKept = DrillChars(news);
    if (!newsKept.empty()) text.append(kNewsKey).append(newsKept).append("\r\n");
    return text;
}

TCourseState ReadCourseState(const std::string& path) {
    try {
        if (!FileExists(path)) return {};
        return ParseCourseState(ReadWholeFile(path, kCourseFileMaxBytes), path);
    } catch (const TAppError& error) {
        TCourseState state;
        state.Error = error.what();
        return state;
    }
}

void WriteCourseState(const std::string& path, std::string_view learned, unsigned char focus,
                      std::string_view news) {
    WriteWholeFile(path, CourseStateText(learned, focus, news));
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
