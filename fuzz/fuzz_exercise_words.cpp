// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The words of an exercise file's content (CR LF, a lone CR or a lone LF end a line), from any text, against
// a plain line-by-line reading: every word 1 to 10 characters without space, TAB or control byte, each line's
// words repeated line-repetition + 2 times, in order. The first byte is the
// line-repetition count.
#include "fuzz_check.h"
#include "sources/exercise_words.h"
#include "words_reference.h"

using namespace teclarium;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const unsigned repeatLine = data[0] % 9;
    const std::string_view text = Bytes(data + 1, size - 1);
    CheckWords(ExerciseWords(text, repeatLine, "exercici.tcm"), text, false, repeatLine);
    return 0;
}
