#include "util/text.h"

namespace teclarium {

void SplitAtDelimiter(std::string& text, std::string_view delimiter, std::string& head) {
    const std::size_t at = delimiter.empty() ? std::string::npos : text.find(delimiter);
    if (at == std::string::npos) {
        head = std::move(text);
        text.clear();
        return;
    }
    head.assign(text, 0, at);
    text.erase(0, at + delimiter.size());
}

std::string ScanRun(std::string_view text, std::size_t& pos, std::string_view set, bool inSet) {
    std::size_t i = pos == 0 ? text.size() : pos - 1;
    const std::size_t start = i;
    while (i < text.size() && (set.find(text[i]) != std::string_view::npos) == inSet) ++i;
    pos = i < text.size() ? i + 1 : 0;
    return std::string(text.substr(start, i - start));
}

void ExtractWord(std::string& text, std::string_view delimiters, std::string& word) {
    std::size_t pos = 1;
    ScanRun(text, pos, delimiters, true);
    if (pos == 0) {
        word.clear();
        text.clear();
        return;
    }
    word = ScanRun(text, pos, delimiters, false);
    if (pos != 0) ScanRun(text, pos, delimiters, true);
    if (pos == 0)
        text.clear();
    else
        text.erase(0, pos - 1);
}

std::string BareFileName(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.rfind('.');
    if (dot != std::string_view::npos && dot > 0) name = name.substr(0, dot);
    return std::string(name);
}

std::string AsciiUpperCase(std::string_view text) {
    std::string result(text);
    for (char& ch : result)
        if (ch >= 'a' && ch <= 'z') ch = char(ch - 'a' + 'A');
    return result;
}

std::string WithTrailingBackslash(std::string_view folder) {
    std::string result(folder);
    if (result.empty() || result.back() != '/') result += '/';
    return result;
}

std::vector<std::string_view> SplitLineViews(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n') continue;
        lines.push_back(text.substr(start, i - start));
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

std::vector<std::string> SplitLines(std::string_view text) {
    const std::vector<std::string_view> views = SplitLineViews(text);
    return std::vector<std::string>(views.begin(), views.end());
}

}  // namespace teclarium
