// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// Which key the on-screen keyboard lights, its modifier lamps, and the key captions
// that follow Shift, Ctrl/AltGr and Caps Lock. No widgets: the keyboard widgets
// show this state.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "keyboard/key_chars.h"
#include "keyboard/key_display_options.h"

namespace teclarium {

// The Spanish keyboard's dead key and base letter of an accented letter.
TDeadKeySequence DeadKeyOf(unsigned char ch);

// True for the 28 letters whose captions follow Caps Lock.
bool IsCapsLockLetter(unsigned char ch);
// True for a key whose two levels Caps Lock swaps: a letter whose Shift gives its capital.
bool CapsLockSwaps(const TKeyChars& k);

class TKeyDisplay {
  public:
    explicit TKeyDisplay(const TKeyDisplayOptions& options) : FOptions(options) {}

    void SetKeyCharsList(TKeyCharsList keys);
    const TKeyCharsList& KeyCharsList() const { return FKeyCharsList; }

    // Recomputes FKeyToShow from the typed text and the word, and the lamps.
    void RefreshKeyDisplay(std::string_view typed, std::string_view word);

    // The dead-key step of a key-down: virtual-key code vk went down. Returns true
    // when it was the pending dead key (the display then shows the base letter).
    bool DeadKeyStep(int vk, std::string_view typed, std::string_view word);

    // The message hook's work: compares the real modifier state with the last seen
    // one and updates captions and lamps. refresh re-runs RefreshKeyDisplay with the
    // drill's current text. Returns the "handled" flag.
    template <typename Refresh>
    bool AppMessage(bool capsLockOn, bool shiftDown, bool ctrlDown, Refresh&& refresh);

    // Drill-engine resets of the dead-key sequence.
    void ClearDeadKeyFlags() { FDeadKeyPressed = FBaseLetterShown = false; }
    void ClearBaseLetterShown() { FBaseLetterShown = false; }

    // What the keyboard shows: the key to press next (0: none), the base letter a
    // pending dead key waits for, whether the base letter of a dead-key sequence shows.
    unsigned char KeyToShow() const { return FKeyToShow; }
    unsigned char DeadKeyBase() const { return FDeadKeyBase; }
    bool BaseLetterShown() const { return FBaseLetterShown; }
    // Modifier state as last seen by the hook.
    bool CapsLockOn() const { return FCapsLockOn; }
    bool ShiftDown() const { return FShiftDown; }
    bool CtrlDown() const { return FCtrlDown; }
    // Per entry of the key list: lit or not, and its caption (0: blank).
    bool KeyLit(std::size_t entry) const { return FKeyLit[entry] != 0; }
    unsigned char Caption(std::size_t entry) const { return FCaptions[entry]; }
    bool BackspaceLit() const { return FBackspaceLit; }
    bool LeftShiftLit() const { return FLeftShiftLit; }
    bool RightShiftLit() const { return FRightShiftLit; }
    bool AltGrLit() const { return FAltGrLit; }

  private:
    bool ModifiersChanged(bool capsLockOn, bool shiftDown, bool ctrlDown, bool& refreshNeeded);
    int CaptionLevel(const TKeyChars& k) const;
    void RefreshCaptions();
    void ClearModifierHighlights() { FLeftShiftLit = FRightShiftLit = FAltGrLit = false; }

    const TKeyDisplayOptions& FOptions;
    TKeyCharsList FKeyCharsList;
    unsigned char FKeyToShow = 0;
    unsigned char FDeadKeyBase = 0;
    bool FDeadKeyPressed = false;
    bool FBaseLetterShown = false;
    // FShiftDown starts true so that the first message finds a change and fills
    // every caption.
    bool FCapsLockOn = false;
    bool FShiftDown = true;
    bool FCtrlDown = false;
    std::vector<char> FKeyLit;
    std::vector<unsigned char> FCaptions;  // 0: blank caption
    bool FBackspaceLit = false;
    bool FLeftShiftLit = false;
    bool FRightShiftLit = false;
    bool FAltGrLit = false;
    bool FCaptionsFilled = false;
};

template <typename Refresh>
bool TKeyDisplay::AppMessage(bool capsLockOn, bool shiftDown, bool ctrlDown, Refresh&& refresh) {
    bool refreshNeeded = false;
    const bool handled = ModifiersChanged(capsLockOn, shiftDown, ctrlDown, refreshNeeded);
    if (refreshNeeded) refresh();
    return handled;
}

}  // namespace teclarium
