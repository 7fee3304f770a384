// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The real keyboard's modifier and Caps Lock state, and switching Caps Lock off.
#pragma once

namespace teclarium {

struct TModifierState {
    bool CapsLockOn = false;
    bool ShiftDown = false;
    bool CtrlDown = false;  // Ctrl or AltGr held
};

// A key event as the window system sent it, seen by a native event filter.
struct TNativeKeyEvent {
    unsigned ScanCode = 0;      // the X keycode
    bool Press = false;         // the key went down
    bool ModifierKey = false;   // Shift, Ctrl, AltGr, Caps Lock and the like
    bool DeadKeyPress = false;  // the key went down and gives a dead key
    // A press that types nothing, without Ctrl or Alt: n for the function key Fn, -1 for a
    // cursor or editing key (Home, arrows, Insert, Delete...); 0 for any other key or event.
    int SilentKeyPress = 0;
    TModifierState State;  // the modifier state right after the event
};

class TKeyboardState {
  public:
    virtual ~TKeyboardState() = default;
    virtual bool CapsLockOn() const = 0;
    virtual bool ShiftDown() const = 0;
    // Ctrl or AltGr held: AltGr counts as Ctrl, as the key display expects.
    virtual bool CtrlDown() const = 0;
    virtual void SwitchCapsLockOff() = 0;
    // All three at once (one query of the window system where it can).
    virtual TModifierState Read() const { return {CapsLockOn(), ShiftDown(), CtrlDown()}; }
    // A native event (X11): true when it is a key event, whose own modifier state then
    // fills key, so that what follows the modifiers keeps the order of the events.
    virtual bool ReadNativeKeyEvent(const void* /*event*/, TNativeKeyEvent& /*key*/) { return false; }
    // A native event (X11) that gives a new layout or keymap, or switches the group.
    virtual bool IsLayoutChange(const void* /*event*/) { return false; }
};

}  // namespace teclarium
