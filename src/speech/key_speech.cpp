// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "speech/key_speech.h"

#include <vector>

#include "keyboard/key_display.h"
#include "keyboard/key_table.h"
#include "speech/char_names.h"
#include "speech/speech_texts.h"
#include "util/codec.h"

namespace teclarium {
namespace {

// Backspace: the right little finger on the numbers' row.
constexpr int kLittleFinger = 3;
constexpr int kNumbersRow = 0;

}  // namespace

TKeySpeech::TKeySpeech(const TKeyCharsList& keys) : FDeadKeys(keys.DeadKeys) {
    std::vector<TStroke> placed(keys.size());  // each key's finger and row
    // Each row's keys run left to right; a hand's fingers count from its keys nearest
    // the middle of the row: the two innermost are the index's, then the middle,
    // ring and little fingers, which takes every key further out.
    for (int row = 0; row < static_cast<int>(kKeyRows.size()); ++row) {
        const TKeyRow& r = kKeyRows[static_cast<std::size_t>(row)];
        for (const TKeyChars& key : keys) {
            if (key.KeyNumber < r.First || key.KeyNumber > r.Last) continue;
            int inner = 0;  // keys of the same hand between this one and the middle
            for (const TKeyChars& other : keys) {
                if (other.KeyNumber < r.First || other.KeyNumber > r.Last) continue;
                if (other.RightHand != key.RightHand) continue;
                if (key.RightHand ? other.KeyNumber < key.KeyNumber : other.KeyNumber > key.KeyNumber)
                    ++inner;
            }
            const int finger = inner < 2 ? 0 : std::min(inner - 1, kLittleFinger);
            placed[static_cast<std::size_t>(&key - keys.data())] = {
                TLevel::Plain, key.Plain, static_cast<signed char>(finger), static_cast<signed char>(row),
                key.RightHand};
        }
    }
    // Plain characters first, so that a character on two keys is typed the simplest way;
    // a dead key apart from an ordinary key with the same accent.
    for (int level = 0; level < 4; ++level)
        for (std::size_t i = 0; i < keys.size(); ++i) {
            const unsigned char ch = keys[i].At(level);
            std::array<TStroke, 256>& strokes = keys[i].DeadAt(level) ? FDeadStrokes : FStrokes;
            if (ch == 0 || placed[i].Row < 0 || strokes[ch].Level != TLevel::None) continue;
            strokes[ch] = placed[i];
            strokes[ch].Level = static_cast<TLevel>(level + 1);
        }
}

QString TKeySpeech::KeyStrokes(unsigned char ch, bool dead) const {
    const TStroke& s = (dead ? FDeadStrokes : FStrokes)[ch];
    switch (s.Level) {
        case TLevel::Shifted:
            // A capital letter is its key with Shift; another sign is named after its key.
            if (IsCapsLockLetter(s.KeyChar)) return FromUtf8(kSayShift) + CharName(s.KeyChar);
            return FromUtf8(kSayShift) + CharName(s.KeyChar) + QStringLiteral(": ") + CharName(ch);
        case TLevel::AltGr:
            return FromUtf8(kSayAltGr) + CharName(s.KeyChar) + QStringLiteral(": ") + CharName(ch);
        case TLevel::ShiftAltGr:
            return FromUtf8(kSayShift) + FromUtf8(kSayAltGr) + CharName(s.KeyChar) + QStringLiteral(": ") +
                   CharName(ch);
        default:
            return CharName(ch);
    }
}

TDeadKeySequence TKeySpeech::DeadKeyFor(unsigned char ch) const {
    const TDeadKeySequence dead = FDeadKeys[ch];
    if (FStrokes[ch].Level != TLevel::None || dead.DeadKey == 0 ||
        FDeadStrokes[dead.DeadKey].Level == TLevel::None)
        return {};
    return dead;
}

QString TKeySpeech::Strokes(unsigned char ch) const {
    const TDeadKeySequence dead = DeadKeyFor(ch);
    if (dead.DeadKey != 0) return KeyStrokes(dead.DeadKey, true) + FromUtf8(kSayThen) + KeyStrokes(dead.Base);
    return KeyStrokes(ch);
}

bool TKeySpeech::TakesSeveralKeys(unsigned char ch) const {
    if (DeadKeyFor(ch).DeadKey != 0) return true;
    const TLevel level = FStrokes[ch].Level;
    return level != TLevel::None && level != TLevel::Plain;
}

QString TKeySpeech::FingerRowText(int finger, int row, bool rightHand) {
    return FromUtf8(kSayFingers[finger]) + FromUtf8(rightHand ? kSayRight : kSayLeft) + QStringLiteral(", ") +
           FromUtf8(kSayRows[row]);
}

QString TKeySpeech::FingerAndRow(unsigned char ch) const {
    if (ch == ' ') return FromUtf8(kSayThumb);
    const TDeadKeySequence dead = DeadKeyFor(ch);
    const TStroke& s = dead.DeadKey != 0 ? FDeadStrokes[dead.DeadKey] : FStrokes[ch];
    if (s.Level == TLevel::None) return QString();
    return FingerRowText(s.Finger, s.Row, s.RightHand);
}

QString TKeySpeech::BackspaceFingerAndRow() const {
    return FingerRowText(kLittleFinger, kNumbersRow, true);
}

QString TKeySpeech::NewKey(unsigned char ch) const {
    const QString where = FingerAndRow(ch);
    return FromUtf8(kSayNewKey) + FromAnsiChar(ch) +
           (where.isEmpty() ? QString() : QStringLiteral(", ") + where);
}

}  // namespace teclarium
