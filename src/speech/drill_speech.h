// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// What the drill says, and when: the word at the start and at each new word, a
// wrong key at once, the keys of a next character that takes more than one, and,
// asked for, the word spelled, the next key's finger and row, and the counters.
// Computed only while speech is on, from the drill's state before and after a key.
#pragma once

#include <QString>
#include <cstdint>
#include <string>

#include "speech/key_speech.h"

namespace teclarium {

class TDrill;

// The drill's state that speech compares across a key.
struct TDrillMoment {
    std::string Word;
    std::string Typed;
    std::uint16_t Errors = 0;
    bool Running = false;
};
TDrillMoment DrillMoment(const TDrill& drill);

// The word, then the keys of its first character when that takes several.
QString WordUtterance(const TKeySpeech& keys, const std::string& word);
// What a typed key makes the drill say; empty when nothing is to be said (a right
// key whose next character takes one key, the drill's end).
QString KeyUtterance(const TKeySpeech& keys, const TDrillMoment& before, unsigned char key,
                     const TDrillMoment& after);
// "efa, a, de, a".
QString SpelledWord(const std::string& word);
// The next key asked for: its keys, then the finger and row of the first of them;
// Backspace while the text has gone wrong, the space bar at the word's end.
// deadKeyDone: the dead key of the next accented letter is pressed already.
QString NextKeyUtterance(const TKeySpeech& keys, const TDrillMoment& now, bool deadKeyDone);
// The keys a course lesson unlocked (Windows-1252 bytes), each with its finger and
// row: "Nova tecla: e, mitjà esquerre, fila de dalt. Nova tecla: h, ..."; empty for none.
QString NewKeysUtterance(const TKeySpeech& keys, const std::string& chars);
// "3 paraules, 1 error".
QString CountersUtterance(int words, int errors);

}  // namespace teclarium
