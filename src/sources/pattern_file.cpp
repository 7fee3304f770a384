// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "sources/pattern_file.h"

#include "sources/source_texts.h"
#include "util/codec.h"
#include "util/messages.h"
#include "util/text.h"

namespace teclarium {

std::string_view PatternLineFault(std::string_view line) {
    if (line.empty()) return kReasonEmptyLine;
    if (line.find('\t') == std::string_view::npos) return kReasonNoChars;
    std::string_view chars = line;
    SplitAtDelimiter(chars, "\t");
    if (chars.empty()) return kReasonNoChars;
    if (chars.size() < 3) return kReasonTooFewChars;
    if (chars.find(' ') != std::string_view::npos) return kReasonSpace;
    return {};
}

std::string PatternChars(std::string_view line) {
    SplitAtDelimiter(line, "\t");
    return std::string(line);
}

TPatternFile ParsePatternFile(std::string_view content) {
    TPatternFile file;
    ForEachLine(SkipByteOrderMark(content), [&](std::string_view line) {
        const std::string_view fault = PatternLineFault(line);
        if (!fault.empty()) {
            file.PatternError = Format(
                FormatNumber(kMsgBadPattern, static_cast<long long>(file.Lines.size())), kPatternFileName);
            file.PatternError += fault;
            file.Lines.clear();
            return false;
        }
        file.Lines.emplace_back(line);
        file.Names.emplace_back(line.substr(0, line.find('\t')));
        return true;
    });
    return file;
}

}  // namespace teclarium
