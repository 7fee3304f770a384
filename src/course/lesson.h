// A lesson of the course: real words made only of the learned characters, about
// half of them holding the focus character, filled with letter groups of the
// learned characters when too few words fit.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace teclarium {

// Letters of a letter group that fills a lesson.
inline constexpr std::size_t kLessonGroupLength = 4;
// Words are drawn among the most frequent ones that fit, at most this many.
inline constexpr std::size_t kLessonWordPool = 500;

// count words (none longer than 10 characters) from the word list (lower-case,
// the most frequent first); the same seed gives the same lesson. A word holds the
// focus character itself or, for a capital or a punctuation mark that no word
// holds, in its written form: "Casa", "casa,", "¿casa", "l'aigua".
std::vector<std::string> MakeLesson(const std::vector<std::string>& words, std::string_view learned,
                                    unsigned char focus, std::size_t count, std::uint32_t seed);

}  // namespace teclarium
