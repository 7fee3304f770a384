#include "sources/pattern_file.h"

#include "sources/source_texts.h"
#include "util/messages.h"
#include "util/text.h"

namespace teclarium {

std::string_view PatternLineFault(std::string_view line) {
    if (line.empty()) return kReasonEmptyLine;
    std::string chars(line);
    std::string name;
    SplitAtDelimiter(chars, "\t", name);
    if (line.find('\t') == std::string_view::npos || chars.empty()) return kReasonNoChars;
    if (chars.size() < 3) return kReasonTooFewChars;
    if (chars.find(' ') != std::string::npos) return kReasonSpace;
    return {};
}

std::string PatternChars(std::string_view line) {
    std::string chars(line);
    std::string name;
    SplitAtDelimiter(chars, "\t", name);
    return chars;
}

TPatternFile ParsePatternFile(std::string_view content) {
    TPatternFile file;
    file.Lines = SplitLines(content);
    for (std::size_t i = 0; i < file.Lines.size(); ++i) {
        const std::string& line = file.Lines[i];
        const std::string_view fault = PatternLineFault(line);
        if (!fault.empty()) {
            file.Error = Format(FormatNumber(kMsgBadPattern, static_cast<long long>(i)), kPatternFileName);
            file.Error += fault;
            file.Lines.clear();
            break;
        }
        file.Names.push_back(line.substr(0, line.find('\t')));
    }
    return file;
}

}  // namespace teclarium
