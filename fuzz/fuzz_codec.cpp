// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The Windows-1252 conversion both ways: every byte string comes back unchanged
// from Qt's text, and any UTF-16 text converts to one byte per character, each
// byte standing for that character or, when the code page has none, 0x1A. The
// clipboard conversion (composed first) gives only bytes the code page holds.
#include <QString>

#include "fuzz_check.h"
#include "sources/exercise_words.h"
#include "util/codec.h"

using namespace teclarium;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = Bytes(data, size);
    const QString text = FromAnsi(bytes);
    FUZZ_CHECK(std::size_t(text.size()) == bytes.size());
    FUZZ_CHECK(ToAnsi(text) == bytes);

    const QString utf16(reinterpret_cast<const QChar*>(data), qsizetype(size / 2));
    const std::string ansi = ToAnsi(utf16);
    FUZZ_CHECK(ansi.size() == std::size_t(utf16.size()));
    for (qsizetype i = 0; i < utf16.size(); ++i) {
        const unsigned char b = static_cast<unsigned char>(ansi[std::size_t(i)]);
        if (AnsiChar(utf16[i]) == 0 && utf16[i].unicode() != 0)
            FUZZ_CHECK(b == 0x1A);
        else
            FUZZ_CHECK(FromAnsi(std::string_view(&ansi[std::size_t(i)], 1))[0] == utf16[i]);
    }
    const std::string composed = ClipboardAnsi(utf16);
    FUZZ_CHECK(ToAnsi(FromAnsi(composed)) == composed);
    return 0;
}
