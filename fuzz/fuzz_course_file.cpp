// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The course order reader on any file: an accepted order has steps of drillable
// characters, each in one step only, each step named and placed on its line; a
// refused one keeps no step and names the file; UTF-8 text is refused as such. A
// file's name in the message is kept as it stands, '%' and all.
#include <array>
#include <string>

#include "course/course_file.h"
#include "fuzz_check.h"
#include "keyboard/key_chars.h"
#include "util/codec.h"

using namespace teclarium;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view content = Bytes(data, size);
    const std::string fileName = "c%s%d/" + std::string(content.substr(0, 8)) + "/curs.txt";
    TCourseFile file = ParseCourseFile(content, fileName);
    FUZZ_CHECK(file.Error.empty() != file.Steps.empty());
    if (!file.Error.empty()) {
        FUZZ_CHECK(file.Error.find(fileName) != std::string::npos);
        FUZZ_CHECK((file.Error == RefusedUtf8(fileName)) == IsUtf8Text(SkipByteOrderMark(content)));
        return 0;
    }
    std::array<bool, 256> seen{};
    int line = 0;
    for (const TCourseStep& step : file.Steps) {
        FUZZ_CHECK(!step.Chars.empty());
        FUZZ_CHECK(step.Name.find_first_not_of(' ') != std::string::npos);
        FUZZ_CHECK(step.Line > line);
        line = step.Line;
        for (char c : step.Chars) {
            const auto ch = static_cast<unsigned char>(c);
            FUZZ_CHECK(IsDrillChar(ch) && !seen[ch]);
            seen[ch] = true;
        }
    }
    // A keyboard that types every other byte by itself, with no dead key (and the space
    // bar): the order is kept only when it needs none of the others.
    TKeyCharsList keys;
    keys.DeadKeys = {};
    for (unsigned ch = 0x21 + size % 2; ch < 256; ch += 2)
        if (ch != 0x7F) keys.push_back({.Plain = static_cast<unsigned char>(ch)});
    const auto typeable = [&](unsigned char ch) {
        return ch == ' ' || (ch % 2 == (0x21 + size) % 2 && ch != 0x7F);
    };
    bool allTypeable = true;
    for (const TCourseStep& step : file.Steps)
        for (char c : step.Chars) allTypeable = allTypeable && typeable(static_cast<unsigned char>(c));
    RefuseUntypeable(file, keys, fileName);
    FUZZ_CHECK(file.Error.empty() == allTypeable);
    FUZZ_CHECK(file.Steps.empty() == !allTypeable);
    return 0;
}
