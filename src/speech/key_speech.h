// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// How to type a character, said in Catalan: its keys ("majúscula i a", "AltGr i 2:
// arrova", "accent obert, després e") and the finger and row of its key ("índex
// dret, fila de baix"), from the key mapping's characters and hands and the
// keyboard's rows.
#pragma once

#include <QString>
#include <array>

#include "keyboard/key_chars.h"

namespace teclarium {

class TKeySpeech {
  public:
    explicit TKeySpeech(const TKeyCharsList& keys);

    // The keys that type ch, said; its name alone when one key types it, the name
    // alone too when no key of the mapping does.
    QString Strokes(unsigned char ch) const;
    // True when ch takes more than one key (a modifier or a dead key).
    bool TakesSeveralKeys(unsigned char ch) const;
    // The finger and row of the first key pressed for ch (the dead key of an accented
    // letter); the space bar's thumb; empty for a character of no key.
    QString FingerAndRow(unsigned char ch) const;
    // Backspace's finger and row.
    QString BackspaceFingerAndRow() const;
    // "Nova tecla: n, índex dret, fila de baix".
    QString NewKey(unsigned char ch) const;
    // The dead key and letter that type ch on this keyboard; none when a key types it
    // by itself or its dead key is on no key.
    TDeadKeySequence DeadKeyFor(unsigned char ch) const;

  private:
    enum class TLevel : unsigned char { None, Plain, Shifted, AltGr, ShiftAltGr };
    struct TStroke {
        TLevel Level = TLevel::None;
        unsigned char KeyChar = 0;  // the key's plain character
        signed char Finger = -1;    // 0 index .. 3 little finger
        signed char Row = -1;       // 0 numbers .. 3 bottom
        bool RightHand = false;
    };
    QString KeyStrokes(unsigned char ch, bool dead = false) const;
    static QString FingerRowText(int finger, int row, bool rightHand);

    std::array<TStroke, 256> FStrokes{};
    std::array<TStroke, 256> FDeadStrokes{};  // the dead keys, by their accent
    TDeadKeyTable FDeadKeys;
};

}  // namespace teclarium
