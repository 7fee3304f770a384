// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "course/lesson.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <random>
#include <unordered_map>

#include "course/word_list_file.h"

namespace teclarium {
namespace {

using TCharSet = std::array<bool, 256>;

// A character that still wants timed keys gets a little more than the minimum:
// a drill's first key is not timed.
constexpr double kEnoughPresses = kKeyMinPresses + 2;
// Candidates gathered for one pick, and tries for a fresh pseudo-word or number.
constexpr std::size_t kCandidates = 12;
constexpr int kTries = 24;
constexpr std::size_t kBoundary = 256;  // a word's start or end in the pair table
constexpr std::size_t kPairSide = 257;

bool IsUpperLetter(unsigned char ch) {
    return (ch >= 'A' && ch <= 'Z') || (ch >= 0xC0 && ch <= 0xDE && ch != 0xD7);
}
bool IsLowerLetter(unsigned char ch) {
    return (ch >= 'a' && ch <= 'z') || (ch >= 0xE0 && ch <= 0xFE && ch != 0xF7);
}
unsigned char Upper(unsigned char ch) {
    return IsLowerLetter(ch) ? static_cast<unsigned char>(ch - 32) : ch;
}
bool IsDigit(unsigned char ch) {
    return ch >= '0' && ch <= '9';
}
bool Holds(std::string_view s, unsigned char ch) {
    return s.find(static_cast<char>(ch)) != std::string_view::npos;
}
// Only the letters a to z: what an address may hold.
bool Plain(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}
bool IsVowel(unsigned char ch) {
    return std::string_view("aeiou\xE0\xE8\xE9\xED\xF2\xF3\xFA\xEF\xFC").find(static_cast<char>(ch)) !=
           std::string_view::npos;
}
// A pseudo-word a reader can say: a vowel once one is learned, never three equal
// letters in a row.
bool Sayable(std::string_view word, bool vowelLearned) {
    for (std::size_t i = 2; i < word.size(); ++i)
        if (word[i] == word[i - 1] && word[i] == word[i - 2]) return false;
    return !vowelLearned || std::any_of(word.begin(), word.end(),
                                        [](char c) { return IsVowel(static_cast<unsigned char>(c)); });
}

class TLessonMaker {
  public:
    TLessonMaker(const std::vector<std::string>& words, std::string_view learned, const TKeyStats& stats,
                 std::uint32_t seed);

    // A real word holding ch, else a written form of one, else a pseudo-word.
    std::string Holding(unsigned char ch);
    // A real word, else a pseudo-word.
    std::string AnyWord();
    // The learned character furthest from enough timed keys, counting this lesson; 0 when none.
    unsigned char Neediest() const;
    void Add(std::string item);
    // The words added so far (an amount "25 €" is two).
    std::size_t Words() const { return FWords; }
    // The lesson's count words in a random order.
    std::vector<std::string> Take(std::size_t count);

  private:
    bool Fits(std::string_view s) const {
        return std::all_of(s.begin(), s.end(),
                           [&](char c) { return c == ' ' || FKnown[static_cast<unsigned char>(c)]; });
    }
    bool Free(const std::string& s) const {
        const auto it = FUses.find(s);
        return it == FUses.end() || it->second < kLessonMaxRepeats;
    }
    std::size_t Random(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(FEngine);
    }
    // One of up to kCandidates that make gives for the first limit words of the
    // pool, from a random one on.
    template <typename Make>
    std::string PickFromPool(std::size_t limit, Make make);
    // One of up to kCandidates of the list's free strings that wanted takes.
    template <typename Wanted>
    std::string PickFrom(const std::vector<std::string>& list, Wanted wanted);
    void AddForms(std::vector<std::string>& out, const std::string& word, unsigned char ch);
    std::string Number(unsigned char ch);
    std::string PseudoWord(unsigned char ch);
    unsigned char ChainStep(std::size_t previous, bool last);

    TCharSet FKnown{};
    bool FVowelLearned = false;
    std::string FLearned;
    std::string FChain;                 // the learned characters that words hold: the pseudo-words'
    std::vector<std::uint32_t> FPairs;  // kPairSide × kPairSide counts of pairs in the word list
    std::vector<const std::string*> FPool;
    TCharSet FInPool{};  // the characters that some word of the pool holds
    std::vector<std::string> FNumbers;
    bool FNumbersMade = false;
    std::array<double, 256> FPresses{};
    std::unordered_map<std::string, int> FUses;
    std::vector<std::string> FLesson;  // items: a word, or an amount of two
    std::size_t FWords = 0;
    std::mt19937 FEngine;
};

TLessonMaker::TLessonMaker(const std::vector<std::string>& words, std::string_view learned,
                           const TKeyStats& stats, std::uint32_t seed)
    : FLearned(learned), FPairs(kPairSide * kPairSide, 0), FEngine(seed) {
    for (char c : learned) {
        FVowelLearned = FVowelLearned || IsVowel(static_cast<unsigned char>(c));
        FKnown[static_cast<unsigned char>(c)] = true;
        FPresses[static_cast<unsigned char>(c)] = stats[static_cast<unsigned char>(c)].Timed;
    }
    for (const std::string& word : words) {
        std::size_t previous = kBoundary;
        for (char c : word) {
            const auto ch = static_cast<unsigned char>(c);
            if (!FKnown[ch]) {
                previous = kPairSide;
                continue;
            }
            if (previous != kPairSide) ++FPairs[previous * kPairSide + ch];
            previous = ch;
        }
        if (previous != kPairSide && !word.empty()) ++FPairs[previous * kPairSide + kBoundary];
        if (!word.empty() && Fits(word)) {
            FPool.push_back(&word);
            for (char c : word) FInPool[static_cast<unsigned char>(c)] = true;
        }
    }
    for (char c : learned) {
        const auto ch = static_cast<unsigned char>(c);
        std::uint64_t seen = 0;
        for (std::size_t p = 0; p < kPairSide; ++p) seen += FPairs[p * kPairSide + ch];
        if (seen > 0) FChain += c;
    }
}

template <typename Wanted>
std::string TLessonMaker::PickFrom(const std::vector<std::string>& list, Wanted wanted) {
    std::vector<const std::string*> found;
    if (!list.empty()) {
        const std::size_t start = Random(list.size());
        for (std::size_t i = 0; i < list.size() && found.size() < kCandidates; ++i) {
            const std::string& s = list[(start + i) % list.size()];
            if (wanted(s) && Free(s)) found.push_back(&s);
        }
    }
    return found.empty() ? std::string() : *found[Random(found.size())];
}

template <typename Make>
std::string TLessonMaker::PickFromPool(std::size_t limit, Make make) {
    std::vector<std::string> found;
    limit = std::min(limit, FPool.size());
    if (limit > 0) {
        const std::size_t start = Random(limit);
        for (std::size_t i = 0; i < limit && found.size() < kCandidates; ++i)
            make(found, *FPool[(start + i) % limit]);
    }
    std::erase_if(found, [&](const std::string& s) { return !Free(s) || s.size() > kLessonFormMaxLength; });
    return found.empty() ? std::string() : found[Random(found.size())];
}

void TLessonMaker::AddForms(std::vector<std::string>& out, const std::string& word, unsigned char ch) {
    const auto first = static_cast<unsigned char>(word.front());
    if (IsUpperLetter(ch)) {
        if (!Holds(word, static_cast<unsigned char>(ch + 32))) return;
        if (first == ch + 32) {  // "Casa"
            out.push_back(word);
            out.back().front() = static_cast<char>(ch);
        }
        std::string capitals = word;  // "CASA"
        for (char& c : capitals) c = static_cast<char>(Upper(static_cast<unsigned char>(c)));
        if (Fits(capitals)) out.push_back(std::move(capitals));
    } else if (std::string_view(",.;:?!").find(static_cast<char>(ch)) != std::string_view::npos) {
        out.push_back(word + static_cast<char>(ch));
    } else if (ch == 0xBF || ch == 0xA1) {  // ¿ ¡ open what ? ! close
        const char close = ch == 0xBF ? '?' : '!';
        std::string form(1, static_cast<char>(ch));
        form += word;
        if (FKnown[static_cast<unsigned char>(close)]) form += close;
        out.push_back(std::move(form));
    } else if (ch == '#') {
        out.push_back(std::string("#").append(word));
    } else if (ch == '@' && word.size() <= 5 && Plain(word) && !FPool.empty()) {
        // "nom@escola.cat": an address holds no accent, apostrophe nor hyphen.
        const std::string& domain = *FPool[Random(FPool.size())];
        if (!Plain(domain)) return;
        std::string address = word + "@" + domain;
        if (Fits(".cat")) address += ".cat";
        out.push_back(std::move(address));
    }
}

// Digits where Catalan writes them: hours, ordinals, amounts (those that fit are
// made once a lesson); a plain number when none of them can hold ch.
std::string TLessonMaker::Number(unsigned char ch) {
    if (!FNumbersMade) {
        FNumbersMade = true;
        static constexpr const char* kMasculine[] = {"r", "n", "r", "t"};  // 1r 2n 3r 4t, then è
        char text[48];
        const auto keep = [&] {
            if (Fits(text)) FNumbers.emplace_back(text);
        };
        for (std::size_t hour = 0; hour < 24; ++hour) {
            for (std::size_t minute = 0; minute < 60; minute += 5) {  // 09:30
                std::snprintf(text, sizeof text, "%02zu:%02zu", hour, minute);
                keep();
            }
        }
        for (std::size_t n = 1; n < 100; ++n) {  // 1r 2a 5è
            std::snprintf(text, sizeof text, "%zua", n);
            keep();
            std::snprintf(text, sizeof text, "%zu%s", n, n <= 4 ? kMasculine[n - 1] : "\xE8");
            keep();
        }
        for (std::size_t n = 1; n < 1000; ++n) {  // "25 €": two words typed one after the other
            std::snprintf(text, sizeof text, "%zu \x80", n);
            keep();
        }
    }
    std::string s = PickFrom(FNumbers, [&](const std::string& number) { return Holds(number, ch); });
    if (!s.empty() || !IsDigit(ch)) return s;
    std::string digits;
    for (char c : FLearned)
        if (IsDigit(static_cast<unsigned char>(c))) digits += c;
    for (int attempt = 0; attempt < kTries && s.empty(); ++attempt) {
        std::string number(2 + Random(3), static_cast<char>(ch));
        for (char& c : number)
            if (Random(2) == 0) c = digits[Random(digits.size())];
        number[Random(number.size())] = static_cast<char>(ch);
        if (Free(number)) s = std::move(number);
    }
    return s;
}

// The next character after previous, weighted by how often the word list has the
// pair (and, for the last one, ends a word with it); evenly where it has none.
unsigned char TLessonMaker::ChainStep(std::size_t previous, bool last) {
    std::array<double, 256> weight{};
    double total = 0;
    for (int pass = 0; pass < 3 && total == 0; ++pass) {
        for (std::size_t i = 0; i < FChain.size(); ++i) {
            const auto c = static_cast<unsigned char>(FChain[i]);
            double w = pass == 2 ? 1.0 : FPairs[previous * kPairSide + c];
            if (pass == 0 && last) w *= FPairs[c * kPairSide + kBoundary];
            weight[i] = w;
            total += w;
        }
    }
    double at = std::uniform_real_distribution<double>(0, total)(FEngine);
    for (std::size_t i = 0; i + 1 < FChain.size(); ++i) {
        if (at < weight[i]) return static_cast<unsigned char>(FChain[i]);
        at -= weight[i];
    }
    return static_cast<unsigned char>(FChain.back());
}

// A chain of the learned characters that words hold, 3 to 6 of them; holding ch
// when ch is not 0 (put in when the chain cannot hold it).
std::string TLessonMaker::PseudoWord(unsigned char ch) {
    const std::string_view from = FChain.empty() ? std::string_view(FLearned) : FChain;
    // A capital starts a chain of its lower-case letter, as it starts a word.
    const bool capital = IsUpperLetter(ch) && FKnown[ch + 32u];
    std::string word;
    for (int attempt = 0; attempt < kTries; ++attempt) {
        const std::size_t length = 3 + Random(4);
        word.clear();
        std::size_t previous = kBoundary;
        if (capital) {
            word += static_cast<char>(ch + 32u);
            previous = ch + 32u;
        }
        for (std::size_t i = word.size(); i < length; ++i) {
            const unsigned char c = FChain.empty() ? static_cast<unsigned char>(from[Random(from.size())])
                                                   : ChainStep(previous, i + 1 == length);
            word += static_cast<char>(c);
            previous = c;
        }
        if (capital) word.front() = static_cast<char>(ch);
        if (ch != 0 && !Holds(word, ch)) {
            if (Holds(from, ch) && attempt + 1 < kTries) continue;
            word[IsUpperLetter(ch) ? 0 : Random(word.size())] = static_cast<char>(ch);
        }
        if (Free(word) && Sayable(word, FVowelLearned)) break;
    }
    return word;
}

std::string TLessonMaker::Holding(unsigned char ch) {
    // Any word that fits may hold a rare character.
    std::string s;
    if (FInPool[ch]) {
        s = PickFromPool(FPool.size(), [&](std::vector<std::string>& out, const std::string& word) {
            if (Holds(word, ch)) out.push_back(word);
        });
    }
    // A rare letter's few words once used up: other real words, never pseudo-words.
    if (s.empty() && FInPool[ch]) return AnyWord();
    if (s.empty() && (IsUpperLetter(ch) || std::string_view(",.;:?!\xBF\xA1#@").find(static_cast<char>(ch)) !=
                                               std::string_view::npos))
        s = PickFromPool(FPool.size(), [&](auto& out, const std::string& word) { AddForms(out, word, ch); });
    if (s.empty() && (IsDigit(ch) || ch == 0x80)) s = Number(ch);
    // A capital whose letter words hold but never start with (Y) comes only in the
    // words written in capitals.
    if (s.empty() && IsUpperLetter(ch) && FInPool[ch + 32u] && FPairs[kBoundary * kPairSide + ch + 32u] == 0)
        return AnyWord();
    return s.empty() ? PseudoWord(ch) : s;
}

std::string TLessonMaker::AnyWord() {
    std::string s = PickFromPool(
        kLessonWordPool, [](std::vector<std::string>& out, const std::string& word) { out.push_back(word); });
    return s.empty() ? PseudoWord(0) : s;
}

unsigned char TLessonMaker::Neediest() const {
    unsigned char neediest = 0;
    double lowest = kEnoughPresses;
    for (char c : FLearned) {
        const auto ch = static_cast<unsigned char>(c);
        if (FPresses[ch] < lowest) {
            lowest = FPresses[ch];
            neediest = ch;
        }
    }
    return neediest;
}

void TLessonMaker::Add(std::string item) {
    ++FUses[item];
    for (char c : item) ++FPresses[static_cast<unsigned char>(c)];
    FWords += 1 + static_cast<std::size_t>(std::count(item.begin(), item.end(), ' '));
    FLesson.push_back(std::move(item));
}

std::vector<std::string> TLessonMaker::Take(std::size_t count) {
    // One word too many (an amount came last): a single word makes room.
    if (FWords > count) {
        const auto single = std::find_if(FLesson.rbegin(), FLesson.rend(), [](const std::string& s) {
            return s.find(' ') == std::string::npos;
        });
        if (single != FLesson.rend()) FLesson.erase(std::next(single).base());
    }
    std::shuffle(FLesson.begin(), FLesson.end(), FEngine);
    // An item of two words ("25 €") stays together.
    std::vector<std::string> words;
    for (const std::string& item : FLesson) {
        std::size_t start = 0;
        for (std::size_t space = item.find(' '); space != std::string::npos; space = item.find(' ', start)) {
            words.push_back(item.substr(start, space - start));
            start = space + 1;
        }
        words.push_back(item.substr(start));
    }
    return words;
}

}  // namespace

std::vector<std::string> MakeLesson(const std::vector<std::string>& words, std::string_view learned,
                                    unsigned char focus, const TKeyStats& stats, std::size_t count,
                                    std::uint32_t seed) {
    if (learned.empty() || count == 0) return {};
    TLessonMaker maker(words, learned, stats, seed);
    const std::size_t focusCount = focus == 0 ? 0 : (count + 1) / 2;
    while (maker.Words() < focusCount) maker.Add(maker.Holding(focus));
    // Digits and signs come among words: every other word of the rest is a real one.
    for (bool word = false; maker.Words() < count; word = !word) {
        const unsigned char needy = maker.Neediest();
        const bool sign = needy != 0 && !IsLowerLetter(needy) && !IsUpperLetter(needy);
        maker.Add(needy != 0 && !(sign && word) ? maker.Holding(needy) : maker.AnyWord());
    }
    return maker.Take(count);
}

}  // namespace teclarium
