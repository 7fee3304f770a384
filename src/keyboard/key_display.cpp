// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "keyboard/key_display.h"

#include <algorithm>
#include <array>

namespace teclarium {
namespace {

constexpr int kNoLevel = 4;  // the character is on no level of a key

}  // namespace

TDeadKeySequence DeadKeyOf(unsigned char ch) {
    return SpanishDeadKeys()[ch];
}

bool IsCapsLockLetter(unsigned char ch) {
    return (ch >= 'a' && ch <= 'z') || ch == 0xF1 /* ñ */ || ch == 0xE7 /* ç */;
}

bool CapsLockSwaps(const TKeyChars& k) {
    // A letter whose Shift character is its capital (not ç on a French key, whose Shift gives 9).
    return IsCapsLockLetter(k.Plain) && k.Shifted == k.Plain - 0x20;
}

void TKeyDisplay::SetKeyCharsList(TKeyCharsList keys) {
    FKeyCharsList = std::move(keys);
    FKeyLit.assign(FKeyCharsList.size(), 0);
    FCaptions.assign(FKeyCharsList.size(), 0);
    FCaptionsFilled = false;
}

void TKeyDisplay::RefreshKeyDisplay(std::string_view typed, std::string_view word) {
    const bool show = FOptions.ShowKeyToType();
    FBackspaceLit = false;
    if (!typed.empty() && !word.starts_with(typed)) {
        // The typed text has gone wrong: only Backspace is asked for, also in the
        // middle of a dead-key sequence, which is dropped (Backspace starts it anew).
        FDeadKeyBase = 0;
        FDeadKeyPressed = FBaseLetterShown = false;
        FBackspaceLit = show;
        std::fill(FKeyLit.begin(), FKeyLit.end(), 0);
        ClearModifierHighlights();
        return;
    }
    if (FBaseLetterShown) {
        // The base letter of a dead-key sequence stays shown.
    } else if (FDeadKeyPressed) {
        FKeyToShow = FDeadKeyBase;
        FDeadKeyBase = 0;
        FBaseLetterShown = true;
        FDeadKeyPressed = false;
    } else {
        FKeyToShow = 0;
        FDeadKeyBase = 0;
        if (word.size() > typed.size()) {
            FKeyToShow = static_cast<unsigned char>(word[typed.size()]);
            const TDeadKeySequence dead = FKeyCharsList.DeadKeys[FKeyToShow];
            if (dead.DeadKey != 0) {
                FKeyToShow = dead.DeadKey;
                FDeadKeyBase = dead.Base;
            }
        }
    }
    if (!show) {
        ClearModifierHighlights();
        std::fill(FKeyLit.begin(), FKeyLit.end(), 0);
        return;
    }
    const bool oneHand = FOptions.OneHand();
    // The lamps follow the key that types the character with the fewest modifiers
    // (a layout can have it twice: French ^ as a dead key and with AltGr).
    int lampsLevel = kNoLevel;
    const bool dead = FDeadKeyBase != 0;
    for (std::size_t i = 0; i < FKeyCharsList.size(); ++i) {
        const TKeyChars& k = FKeyCharsList[i];
        // Caps Lock swaps the two levels of a letter it affects and leaves every other key.
        // A dead key to press is looked for on dead levels only, any other character on
        // the others: an ordinary ` is no dead grave.
        const bool swapped = FCapsLockOn && CapsLockSwaps(k);
        int level = FKeyToShow == 0 ? 0 : kNoLevel;
        for (int held = 0; held < kNoLevel && level == kNoLevel; ++held) {
            const int typed = swapped && held < 2 ? 1 - held : held;
            if (k.At(typed) == FKeyToShow && k.DeadAt(typed) == dead) level = held;
        }
        if (level < lampsLevel) {
            lampsLevel = level;
            // A right-hand key asks for the left Shift with two hands, the same
            // side's Shift with one hand.
            const bool shift = level == 1 || level == 3;
            const bool left = k.RightHand != oneHand;
            FLeftShiftLit = shift && left;
            FRightShiftLit = shift && !left;
            FAltGrLit = level >= 2;
        }
        FKeyLit[i] = FCaptions[i] != 0 && FCaptions[i] == FKeyToShow && k.DeadAt(CaptionLevel(k)) == dead;
    }
}

bool TKeyDisplay::DeadKeyStep(int vk, std::string_view typed, std::string_view word) {
    if (FDeadKeyBase == 0) return false;
    for (const TKeyChars& k : FKeyCharsList) {
        if (k.KeyCode != vk) continue;
        // Any level the modifiers held allow, as long as it is the dead key.
        for (int level = 0; level < kNoLevel; ++level) {
            if (((level & 1) && !FShiftDown) || ((level & 2) && !FCtrlDown)) continue;
            if (k.At(level) != FKeyToShow || !k.DeadAt(level)) continue;
            FDeadKeyPressed = true;
            RefreshKeyDisplay(typed, word);
            return true;
        }
    }
    return false;
}

int TKeyDisplay::CaptionLevel(const TKeyChars& k) const {
    // While Ctrl/AltGr is held the captions show the AltGr level, whatever Caps Lock
    // does meanwhile; with Shift too, the Shift+AltGr level, blank where it has nothing.
    if (FCtrlDown) return FShiftDown ? 3 : 2;
    return FShiftDown != (FCapsLockOn && CapsLockSwaps(k)) ? 1 : 0;
}

void TKeyDisplay::RefreshCaptions() {
    for (std::size_t i = 0; i < FKeyCharsList.size(); ++i)
        FCaptions[i] = FKeyCharsList[i].At(CaptionLevel(FKeyCharsList[i]));
    FCaptionsFilled = true;
}

bool TKeyDisplay::ModifiersChanged(bool capsLockOn, bool shiftDown, bool ctrlDown, bool& refreshNeeded) {
    if (FKeyCharsList.empty()) return false;
    bool handled = false;
    if (capsLockOn != FCapsLockOn) {
        FCapsLockOn = capsLockOn;
        RefreshCaptions();
        refreshNeeded = handled = true;
    }
    if (ctrlDown != FCtrlDown) {
        FCtrlDown = ctrlDown;
        RefreshCaptions();
        refreshNeeded = handled = true;
    } else if (shiftDown != FShiftDown || !FCaptionsFilled) {
        // A change of Shift in the same message as one of Ctrl waits for the next.
        // The first message fills the captions even when Shift is held then.
        FShiftDown = shiftDown;
        RefreshCaptions();
        refreshNeeded = handled = true;
    }
    return handled;
}

}  // namespace teclarium
