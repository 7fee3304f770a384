// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "drill/word_list.h"

#include <algorithm>
#include <cstring>

namespace teclarium {

TWordList::TWordList(std::initializer_list<std::string_view> words) {
    for (std::string_view w : words) push_back(w);
}

TWordList::TWordList(const std::vector<std::string>& words) {
    for (const std::string& w : words) push_back(w);
}

void TWordList::clear() {
    std::string().swap(FBytes);
    std::vector<std::uint64_t>().swap(FEntries);
}

void TWordList::push_back(std::string_view word) {
    // Words longer than 16 M characters keep their first 16 M.
    const std::uint64_t length = std::min<std::uint64_t>(word.size(), kLengthMask);
    FEntries.push_back(std::uint64_t{FBytes.size()} << kLengthBits | length);
    FBytes.append(word.substr(0, length));
}

void TWordList::RepeatGroups(const std::vector<std::size_t>& groupSizes, std::size_t times) {
    if (times <= 1) return;
    const std::size_t count = FEntries.size();
    FEntries.resize(count * times);
    // From the last group back, its last pass first: every pass lands at or after
    // the group's own entries, and only the first pass can overlap them.
    std::size_t from = count;
    for (auto size = groupSizes.rbegin(); size != groupSizes.rend(); ++size) {
        from -= *size;
        for (std::size_t pass = times; pass-- > 0;)
            std::memmove(&FEntries[from * times + pass * *size], &FEntries[from],
                         *size * sizeof(std::uint64_t));
    }
}

void TWordList::assign(std::size_t count, std::string_view word) {
    clear();
    if (count == 0) return;
    push_back(word);
    FEntries.resize(count, FEntries.front());
}

std::vector<std::string> TWordList::ToVector() const {
    std::vector<std::string> words;
    words.reserve(size());
    for (std::size_t i = 0; i < size(); ++i) words.emplace_back((*this)[i]);
    return words;
}

bool TWordList::operator==(const TWordList& other) const {
    if (size() != other.size()) return false;
    for (std::size_t i = 0; i < size(); ++i)
        if ((*this)[i] != other[i]) return false;
    return true;
}

}  // namespace teclarium
