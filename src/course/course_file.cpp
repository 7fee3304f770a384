// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "course/course_file.h"

#include <array>

#include "course/course_texts.h"
#include "util/app_error.h"
#include "util/codec.h"
#include "util/files.h"
#include "util/messages.h"
#include "util/text.h"

namespace teclarium {

bool IsDrillChar(unsigned char ch) {
    static constexpr std::string_view kUndefined = "\x7F\x81\x8D\x8F\x90\x9D";
    return ch > ' ' && kUndefined.find(static_cast<char>(ch)) == std::string_view::npos;
}

std::string BadDataLine(std::string_view fileName, int line, std::string_view reason) {
    // Each placeholder is found in the pattern alone: a '%' in the file's name or the
    // reason is never taken for one.
    const std::string number = std::to_string(line);
    std::string text;
    std::string_view rest = kMsgBadDataLine;
    for (std::string_view value : {std::string_view(number), fileName, reason}) {
        const std::size_t at = rest.find('%');
        text.append(rest.substr(0, at)).append(value);
        rest.remove_prefix(at + 2);
    }
    return text.append(rest);
}

std::string RefusedUtf8(std::string_view fileName) {
    return Format(kMsgUtf8DataFile, fileName);
}

TCourseFile ParseCourseFile(std::string_view content, std::string_view fileName) {
    TCourseFile file;
    content = SkipByteOrderMark(content);  // an editor's mark: the rest is read alike
    if (IsUtf8Text(content)) {
        file.Error = RefusedUtf8(fileName);
        return file;
    }
    std::array<bool, 256> taken{};
    int number = 0;
    std::string_view fault;
    ForEachLine(content, [&](std::string_view line) {
        ++number;
        if (line.empty() || line.front() == ';') return true;
        const std::size_t tab = line.find('\t');
        const std::string_view chars = line.substr(0, tab);
        const std::string_view name =
            tab == std::string_view::npos ? std::string_view() : line.substr(tab + 1);
        if (tab == std::string_view::npos) {
            fault = kReasonNoTab;
        } else if (chars.empty()) {
            fault = kReasonNoStepChars;
        } else if (name.find_first_not_of(' ') == std::string_view::npos) {
            fault = kReasonNoStepName;
        } else {
            for (char c : chars) {
                const auto ch = static_cast<unsigned char>(c);
                if (!IsDrillChar(ch)) {
                    fault = kReasonBadChar;
                    break;
                }
                if (taken[ch]) {
                    fault = kReasonRepeatedChar;
                    break;
                }
                taken[ch] = true;
            }
        }
        if (!fault.empty()) return false;
        file.Steps.push_back({std::string(chars), std::string(name), number});
        return true;
    });
    if (fault.empty() && file.Steps.empty()) {
        fault = kReasonNoSteps;
        number = 1;
    }
    if (!fault.empty()) {
        file.Steps.clear();
        file.Error = BadDataLine(fileName, number, fault);
    }
    return file;
}

void RefuseUntypeable(TCourseFile& file, const TKeyCharsList& keys, std::string_view fileName) {
    for (const TCourseStep& step : file.Steps) {
        for (char c : step.Chars) {
            if (CanType(keys, static_cast<unsigned char>(c))) continue;
            const std::string reason =
                Format(kReasonNoKey, FromAnsiChar(static_cast<unsigned char>(c)).toStdString());
            file.Error = BadDataLine(fileName, step.Line, reason);
            file.Steps.clear();
            return;
        }
    }
}

TCourseFile ReadCourseFile(const std::string& path) {
    try {
        if (!FileExists(path)) return {{}, Format(kMsgFileNotFound, path)};
        return ParseCourseFile(ReadWholeFile(path, kCourseFileMaxBytes), path);
    } catch (const TAppError& error) {
        return {{}, error.what()};
    }
}

}  // namespace teclarium
