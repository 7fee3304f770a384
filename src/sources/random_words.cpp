// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "sources/random_words.h"

#include <algorithm>
#include <chrono>
#include <random>

namespace teclarium {

std::vector<std::string> GenerateRandomWords(std::string_view chars, std::size_t k, std::size_t n,
                                             std::uint32_t seed) {
    std::vector<std::string> words;
    if (chars.empty() || n == 0) return words;
    k = std::max<std::size_t>(k, 1);
    std::mt19937 engine(seed);
    const std::size_t length = chars.size();
    // Drawing among the acceptable positions gives each of them the same chance,
    // as drawing any position and drawing again while it is refused would.
    std::vector<std::size_t> candidates;
    candidates.reserve(length);
    auto gather = [&](auto acceptable) {
        candidates.clear();
        for (std::size_t i = 0; i < length; ++i)
            if (acceptable(chars[i])) candidates.push_back(i);
        return !candidates.empty();
    };
    bool havePrev = false;
    char prev = 0;
    words.reserve(n);
    for (std::size_t w = 0; w < n; ++w) {
        std::string word;
        word.reserve(k);
        for (std::size_t c = 0; c < k; ++c) {
            const auto notPrev = [&](char ch) { return !havePrev || ch != prev; };
            const auto fresh = [&](char ch) {
                return notPrev(ch) && (word.size() >= length || word.find(ch) == std::string::npos);
            };
            if (!gather(fresh) && !gather(notPrev)) gather([](char) { return true; });
            std::uniform_int_distribution<std::size_t> pick(0, candidates.size() - 1);
            prev = chars[candidates[pick(engine)]];
            havePrev = true;
            word += prev;
        }
        words.push_back(std::move(word));
    }
    return words;
}

std::uint32_t ClockSeed() {
    using namespace std::chrono;
    const auto ms = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
    return static_cast<std::uint32_t>(ms % (24LL * 60 * 60 * 1000));
}

}  // namespace teclarium
