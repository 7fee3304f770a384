// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The application-wide message hook of the keyboard display. On input events only,
// it hands the real keyboard's Shift, Ctrl/AltGr and Caps Lock state to the display.
//
// On X11 it reads key events raw, before Qt and its compose input method: each X key
// event carries its own modifier state, and a dead key's press, which compose keeps
// from the typing field, is seen there. A modifier key's event in which a change was
// noticed is consumed; any other event goes on, so no character, click or focus
// change is lost.
#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <functional>

#include "platform/keyboard_state.h"

class QEvent;

namespace teclarium {

class TAppMessageHook : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT

  public:
    struct THandlers {
        // The modifier state after an input event; returns true when it noticed a change.
        std::function<bool(const TModifierState&)> OnInput;
        // A dead key went down (its virtual-key code), seen on the raw key events only.
        std::function<void(int)> OnDeadKeyDown;
        // The layout or its group changed (X11), perhaps with more such events to come.
        std::function<void()> OnLayoutChange;
        // A key that types nothing went down after a dead key (TNativeKeyEvent::SilentKeyPress),
        // seen on the raw key events only; true when the handler did the key's work, which
        // then never reaches Qt, whose compose input method would drop the dead key.
        std::function<bool(int)> OnSilentKeyAfterDeadKey;
    };

    // The hook installs itself on the application and goes with its parent.
    TAppMessageHook(TKeyboardState& keyboard, THandlers handlers, QObject* parent);
    ~TAppMessageHook() override;

    bool eventFilter(QObject* watched, QEvent* e) override;
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

    // True where the hook reads the raw key events (X11): dead keys' presses come from it.
    static bool ReadsRawKeys();
    static bool IsInputEvent(const QObject* watched, const QEvent& e);
    static bool IsKeyEvent(const QEvent& e);
    static bool IsModifierKeyEvent(const QEvent& e);

  private:
    TKeyboardState& FKeyboard;
    THandlers FHandlers;
    bool FRawKeys = false;          // key changes are noticed on the raw X11 key events
    bool FConsumeModifier = false;  // the change was noticed for the modifier key coming next
    bool FDeadKeyPending = false;   // the last key pressed other than a modifier was a dead key
};

}  // namespace teclarium
