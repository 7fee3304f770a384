// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "course/word_list_file.h"

#include "course/course_file.h"
#include "course/course_texts.h"
#include "util/app_error.h"
#include "util/codec.h"
#include "util/files.h"
#include "util/messages.h"
#include "util/text.h"

namespace teclarium {

TWordListFile ParseWordList(std::string_view content, std::string_view fileName) {
    TWordListFile list;
    content = SkipByteOrderMark(content);  // an editor's mark: the rest is read alike
    if (IsUtf8Text(content)) {
        list.Error = RefusedUtf8(fileName);
        return list;
    }
    int number = 0;
    std::string_view fault;
    ForEachLine(content, [&](std::string_view line) {
        ++number;
        if (line.empty()) return true;
        for (char c : line) {
            if (!IsDrillChar(static_cast<unsigned char>(c))) {
                fault = kReasonBadChar;
                return false;
            }
        }
        if (line.size() <= kLessonWordMaxLength) list.Words.emplace_back(line);
        return true;
    });
    if (!fault.empty()) {
        list.Words.clear();
        list.Error = BadDataLine(fileName, number, fault);
    } else if (list.Words.empty()) {
        list.Error = Format(kMsgNoWords, fileName);
    }
    return list;
}

TWordListFile ReadWordList(const std::string& path) {
    try {
        if (!FileExists(path)) return {{}, Format(kMsgFileNotFound, path)};
        return ParseWordList(ReadWholeFile(path, kWordListMaxBytes), path);
    } catch (const TAppError& error) {
        return {{}, error.what()};
    }
}

}  // namespace teclarium
