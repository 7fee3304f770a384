// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The words of a drill, held compactly: their bytes in one buffer and one 8-byte
// entry per word. Repeated passes of a line share the bytes of its first pass, so a
// large exercise with many passes costs a few bytes per word, not a string each.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace teclarium {

class TWordList {
  public:
    TWordList() = default;
    TWordList(std::initializer_list<std::string_view> words);
    TWordList(const std::vector<std::string>& words);  // NOLINT: lists convert freely

    std::size_t size() const { return FEntries.size(); }
    bool empty() const { return FEntries.empty(); }
    std::string_view operator[](std::size_t i) const {
        const std::uint64_t e = FEntries[i];
        return std::string_view(FBytes).substr(e >> kLengthBits, e & kLengthMask);
    }

    // Iteration yields each word as a view.
    class const_iterator {
      public:
        const_iterator(const TWordList& list, std::size_t i) : FList(&list), FIndex(i) {}
        std::string_view operator*() const { return (*FList)[FIndex]; }
        const_iterator& operator++() {
            ++FIndex;
            return *this;
        }
        bool operator==(const const_iterator& other) const { return FIndex == other.FIndex; }

      private:
        const TWordList* FList;
        std::size_t FIndex;
    };
    const_iterator begin() const { return {*this, 0}; }
    const_iterator end() const { return {*this, size()}; }

    // Empties the list and gives its memory back.
    void clear();
    void push_back(std::string_view word);
    // The list is made of consecutive groups of the given sizes (together the whole
    // list): each group comes times over, group after group, sharing its bytes.
    // The list grows once, in place.
    void RepeatGroups(const std::vector<std::size_t>& groupSizes, std::size_t times);
    void assign(std::size_t count, std::string_view word);

    std::vector<std::string> ToVector() const;
    bool operator==(const TWordList& other) const;

  private:
    static constexpr int kLengthBits = 24;
    static constexpr std::uint64_t kLengthMask = (std::uint64_t{1} << kLengthBits) - 1;
    std::string FBytes;
    std::vector<std::uint64_t> FEntries;  // offset << 24 | length
};

}  // namespace teclarium
