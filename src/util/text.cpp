// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "util/text.h"

namespace teclarium {

std::string_view SplitAtDelimiter(std::string_view& text, std::string_view delimiter) {
    const std::size_t at = delimiter.empty() ? std::string_view::npos : text.find(delimiter);
    const std::string_view head = text.substr(0, at);
    text = at == std::string_view::npos ? std::string_view() : text.substr(at + delimiter.size());
    return head;
}

void SplitAtDelimiter(std::string& text, std::string_view delimiter, std::string& head) {
    std::string_view rest(text);
    head = SplitAtDelimiter(rest, delimiter);
    text.erase(0, text.size() - rest.size());
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

}  // namespace teclarium
