// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The words of clipboard text (CR LF or a lone LF end a line; a lone CR is a character), from any text,
// against a plain line-by-line reading: every word 1 to 10 characters without space, TAB or control byte,
// each line's words repeated line-repetition + 2 times, in order. The first byte is the line-repetition
// count.
#include "fuzz_check.h"
#include "sources/exercise_words.h"
#include "words_reference.h"

using namespace teclarium;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const unsigned repeatLine = data[0] % 9;
    const std::string_view text = Bytes(data + 1, size - 1);
    CheckWords(ClipboardWords(text, repeatLine), text, true, repeatLine);
    return 0;
}
