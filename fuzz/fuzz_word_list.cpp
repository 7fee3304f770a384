// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The word list reader on any file, and a lesson over what it accepts: words of 1
// to 10 drillable characters, none kept when the file is refused; a lesson holds
// the count asked, each item made of the learned characters and short enough, and
// the same seed gives the same lesson.
#include <string>

#include "course/course_file.h"
#include "course/lesson.h"
#include "course/word_list_file.h"
#include "fuzz_check.h"
#include "util/codec.h"

using namespace teclarium;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view content = Bytes(data, size);
    const TWordListFile list = ParseWordList(content, "paraules.txt");
    FUZZ_CHECK(list.Error.empty() != list.Words.empty());
    if (IsUtf8Text(SkipByteOrderMark(content))) FUZZ_CHECK(list.Error == RefusedUtf8("paraules.txt"));
    for (const std::string& word : list.Words) {
        FUZZ_CHECK(!word.empty() && word.size() <= kLessonWordMaxLength);
        for (char c : word) FUZZ_CHECK(IsDrillChar(static_cast<unsigned char>(c)));
    }
    if (list.Words.empty()) return 0;
    // Learned: the characters of the first words, and a few signs and digits.
    std::string learned =
        "A,?\xBF"
        "1@\x80#";
    for (std::size_t i = 0; i < list.Words.size() && i < 3; ++i) learned += list.Words[i];
    const auto focus = static_cast<unsigned char>(learned[size % learned.size()]);
    TKeyStats stats{};
    stats['a'].Timed = 30;
    const std::vector<std::string> lesson =
        MakeLesson(list.Words, learned, focus, stats, 12, std::uint32_t(size));
    FUZZ_CHECK(lesson.size() == 12);
    for (const std::string& item : lesson) {
        FUZZ_CHECK(!item.empty() && item.size() <= kLessonFormMaxLength);
        FUZZ_CHECK(item.find_first_not_of(learned) == std::string::npos);
    }
    FUZZ_CHECK(MakeLesson(list.Words, learned, focus, stats, 12, std::uint32_t(size)) == lesson);
    return 0;
}
