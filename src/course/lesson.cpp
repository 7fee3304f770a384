#include "course/lesson.h"

#include <algorithm>
#include <array>
#include <optional>
#include <random>

#include "course/word_list_file.h"
#include "sources/random_words.h"

namespace teclarium {
namespace {

using TCharSet = std::array<bool, 256>;

bool IsUpperLetter(unsigned char ch) {
    return (ch >= 'A' && ch <= 'Z') || (ch >= 0xC0 && ch <= 0xDE && ch != 0xD7);
}

bool Fits(std::string_view word, const TCharSet& learned) {
    return std::all_of(word.begin(), word.end(),
                       [&](char c) { return learned[static_cast<unsigned char>(c)]; });
}

// The word written so that it holds the focus character, when a rule makes one.
std::optional<std::string> FocusForm(const std::string& word, unsigned char focus, const TCharSet& learned) {
    std::string form;
    const auto first = static_cast<unsigned char>(word.front());
    if (IsUpperLetter(focus)) {
        if (first != focus + 32) return std::nullopt;
        form = word;
        form.front() = static_cast<char>(focus);
    } else if (focus == 0xBF || focus == 0xA1) {  // ¿ ¡ open what they mark
        form = static_cast<char>(focus) + word;
    } else if (focus == '\'') {
        if (!learned['l'] || std::string_view("aeiouh\xE0\xE8\xE9\xED\xF2\xF3\xFA").find(word.front()) ==
                                 std::string_view::npos)
            return std::nullopt;
        form = "l'" + word;
    } else if (std::string_view(",.;:?!").find(static_cast<char>(focus)) != std::string_view::npos) {
        form = word + static_cast<char>(focus);
    } else {
        return std::nullopt;
    }
    if (form.size() > kLessonWordMaxLength) return std::nullopt;
    return form;
}

// Up to n of the pool's words, drawn without repeating one.
std::vector<std::string> Draw(std::vector<std::string> pool, std::size_t n, std::mt19937& engine) {
    if (pool.size() > n) {
        for (std::size_t i = 0; i < n; ++i) {
            std::uniform_int_distribution<std::size_t> pick(i, pool.size() - 1);
            std::swap(pool[i], pool[pick(engine)]);
        }
        pool.resize(n);
    }
    return pool;
}

}  // namespace

std::vector<std::string> MakeLesson(const std::vector<std::string>& words, std::string_view learned,
                                    unsigned char focus, std::size_t count, std::uint32_t seed) {
    std::vector<std::string> lesson;
    if (learned.empty() || count == 0) return lesson;
    TCharSet known{};
    for (char c : learned) known[static_cast<unsigned char>(c)] = true;
    std::mt19937 engine(seed);

    // The most frequent words that fit: those that hold the focus, and the others.
    std::vector<std::string> focusWords, otherWords;
    for (const std::string& word : words) {
        if (word.empty() || word.size() > kLessonWordMaxLength || !Fits(word, known)) continue;
        const bool holds = word.find(static_cast<char>(focus)) != std::string::npos;
        std::vector<std::string>& pool = holds ? focusWords : otherWords;
        if (pool.size() < kLessonWordPool) pool.push_back(word);
        if (focusWords.size() >= kLessonWordPool && otherWords.size() >= kLessonWordPool) break;
    }
    const std::size_t focusCount = focus == 0 ? 0 : (count + 1) / 2;
    if (focusWords.size() < focusCount) {
        for (const std::string& word : otherWords) {
            if (focusWords.size() >= kLessonWordPool) break;
            if (std::optional<std::string> form = FocusForm(word, focus, known)) focusWords.push_back(*form);
        }
    }
    lesson = Draw(std::move(focusWords), focusCount, engine);
    const std::size_t withFocus = lesson.size();
    for (std::string& word : Draw(std::move(otherWords), count - focusCount, engine))
        lesson.push_back(std::move(word));

    // Letter groups of the learned characters fill what the words leave; those in
    // the focus's share hold it.
    const std::size_t missingFocus = focusCount - withFocus;
    std::vector<std::string> groups =
        GenerateRandomWords(learned, kLessonGroupLength, count - lesson.size(), engine());
    for (std::size_t i = 0; i < groups.size(); ++i) {
        std::string& group = groups[i];
        if (i < missingFocus && group.find(static_cast<char>(focus)) == std::string::npos) {
            std::uniform_int_distribution<std::size_t> at(0, group.size() - 1);
            group[at(engine)] = static_cast<char>(focus);
        }
        lesson.push_back(std::move(group));
    }
    std::shuffle(lesson.begin(), lesson.end(), engine);
    return lesson;
}

}  // namespace teclarium
