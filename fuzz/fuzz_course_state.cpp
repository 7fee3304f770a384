// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The course state reader on any file, and the round trip state -> text -> state
// on any bytes: an accepted state holds drillable characters only, a refused one
// none; the text written for any learned characters, focus and news reads back
// without a fault as the drillable ones, each once, in their order.
#include <array>
#include <string>
#include <string_view>

#include "course/course_file.h"
#include "course/course_state.h"
#include "fuzz_check.h"

using namespace teclarium;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view content = Bytes(data, size);
    const TCourseState state = ParseCourseState(content, "Anna.curs");
    if (state.Error.empty()) {
        for (char c : state.Learned) FUZZ_CHECK(IsDrillChar(static_cast<unsigned char>(c)));
    } else {
        FUZZ_CHECK(state.Learned.empty());
        FUZZ_CHECK(state.Error.find("Anna.curs") != std::string::npos);
    }
    // kept holds the drillable characters of from, each once, in the order they first
    // come in from, and leaves none out.
    const auto keptFrom = [](std::string_view kept, std::string_view from) {
        std::array<bool, 256> inKept{};
        std::size_t at = 0;
        for (char c : kept) {
            const auto ch = static_cast<unsigned char>(c);
            FUZZ_CHECK(IsDrillChar(ch) && !inKept[ch]);
            inKept[ch] = true;
            at = from.find(c, at);
            FUZZ_CHECK(at != std::string_view::npos && from.find(c) == at);
        }
        for (char c : from)
            FUZZ_CHECK(!IsDrillChar(static_cast<unsigned char>(c)) || inKept[static_cast<unsigned char>(c)]);
    };
    const unsigned char focus = size > 0 ? data[0] : 0;
    const std::string_view news = content.substr(content.size() / 2);
    for (std::string_view learned : {std::string_view(state.Learned), content}) {
        const std::string text = CourseStateText(learned, focus, news);
        const TCourseState again = ParseCourseState(text, "Anna.curs");
        FUZZ_CHECK(again.Error.empty());
        keptFrom(again.Learned, learned);
        FUZZ_CHECK(again.Focus == (IsDrillChar(focus) ? focus : 0));
        keptFrom(again.News, news);
        FUZZ_CHECK(CourseStateText(again.Learned, again.Focus, again.News) == text);
    }
    return 0;
}
