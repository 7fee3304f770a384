// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// A lesson of the course: real words made only of the learned characters, about
// half of them holding the focus character, the rest giving the characters that
// still lack timed keys their share; pronounceable pseudo-words fill what the
// real words leave.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "course/key_stats.h"

namespace teclarium {

// Words are drawn among the most frequent ones that fit, at most this many.
inline constexpr std::size_t kLessonWordPool = 500;
// No word, form or pseudo-word comes more often in one lesson.
inline constexpr int kLessonMaxRepeats = 2;
// A written form in its context (an address, an hour) may run longer than a word.
inline constexpr std::size_t kLessonFormMaxLength = 16;

// count words from the word list (lower-case, the most frequent first, its forms with
// an apostrophe or a hyphen among them); the same seed gives the same lesson. A
// character that no word holds comes in its written form: "Casa" or "CASA", "casa,",
// "¿casa?", "12:30", "3r", "25 €" (two words), "nom@escola.cat", "#classe"; digits and
// signs come among words. Pseudo-words are chains of the learned characters, each pair
// weighted by how often it occurs in the word list, with a vowel and never three equal
// letters. stats tell which learned characters still want timed keys (fewer than 10).
std::vector<std::string> MakeLesson(const std::vector<std::string>& words, std::string_view learned,
                                    unsigned char focus, const TKeyStats& stats, std::size_t count,
                                    std::uint32_t seed);

}  // namespace teclarium
