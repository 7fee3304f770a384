// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "platform/ui/x11_keyboard_state.h"

#include <xcb/xcb.h>
#include <QGuiApplication>
#include <array>
#include <cstdint>

// X11 headers last: they define names (KeyPress, Bool, Status...) that clash with Qt's.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>
#undef KeyPress
#undef KeyRelease
#undef FocusIn
#undef FocusOut
#undef None
#undef Bool
#undef Status
#undef Unsorted

namespace teclarium {
namespace {

// A key that types nothing: n for the function key Fn, -1 for a cursor or editing key.
int SilentKeyOf(KeySym symbol) {
    if (symbol >= XK_F1 && symbol <= XK_F35) return static_cast<int>(symbol - XK_F1) + 1;
    const bool cursor =
        (symbol >= XK_Home && symbol <= XK_Begin) || symbol == XK_Insert || symbol == XK_Delete;
    return cursor ? -1 : 0;
}

class TX11KeyboardState final : public TKeyboardState {
  public:
    explicit TX11KeyboardState(Display* display) : FDisplay(display) {
        int opcode = 0, error = 0, major = XkbMajorVersion, minor = XkbMinorVersion;
        if (!XkbQueryExtension(FDisplay, &opcode, &FXkbEvent, &error, &major, &minor)) FXkbEvent = -1;
        LoadKeymap();
        XkbStateRec st{};
        if (XkbGetState(FDisplay, XkbUseCoreKbd, &st) == Success) FGroup = st.group;
    }
    ~TX11KeyboardState() override {
        if (FKeymap) XkbFreeKeyboard(FKeymap, 0, True);
    }

    bool CapsLockOn() const override { return Read().CapsLockOn; }
    bool ShiftDown() const override { return Read().ShiftDown; }
    bool CtrlDown() const override { return Read().CtrlDown; }

    TModifierState Read() const override {
        XkbStateRec st{};
        if (XkbGetState(FDisplay, XkbUseCoreKbd, &st) != Success) return {};
        return StateOf(st.mods, st.locked_mods & LockMask);
    }

    void SwitchCapsLockOff() override {
        XkbStateRec st{};
        if (XkbGetState(FDisplay, XkbUseCoreKbd, &st) != Success) return;
        if (!(st.locked_mods & LockMask)) return;
        XkbLockModifiers(FDisplay, XkbUseCoreKbd, LockMask, 0);
        XSync(FDisplay, False);
    }

    bool ReadNativeKeyEvent(const void* event, TNativeKeyEvent& key) override;
    bool IsLayoutChange(const void* event) override;

  private:
    TModifierState StateOf(unsigned mods, bool capsLockOn) const {
        return {capsLockOn, (mods & ShiftMask) != 0, (mods & (ControlMask | FAltGrMask)) != 0};
    }
    void LoadKeymap();

    Display* FDisplay;
    int FXkbEvent = -1;  // the XKB extension's event code
    XkbDescPtr FKeymap = nullptr;
    unsigned FAltGrMask = 0;
    // The modifier each key sets while held (Shift, Ctrl, AltGr), or LockMask for Caps Lock.
    std::array<unsigned, 256> FKeyModifier{};
    std::array<bool, 256> FModifierKeyDown{};
    bool FCapsLockOnAtPress = false;
    unsigned FGroup = 0;  // the effective group last seen
};

bool TX11KeyboardState::IsLayoutChange(const void* event) {
    const auto* generic = static_cast<const xcb_generic_event_t*>(event);
    if ((generic->response_type & 0x7F) != FXkbEvent) return false;
    const int kind = generic->pad0;
    // A new keyboard is also a switch between devices (another keyboard, or a test's
    // XTEST device): the layout may be the same.
    if (kind == XkbNewKeyboardNotify || kind == XkbMapNotify) return true;
    if (kind != XkbStateNotify) return false;
    // A state change that leaves the group (byte 13 of the event) is a modifier's.
    const unsigned group = static_cast<const std::uint8_t*>(event)[13];
    if (group == FGroup) return false;
    FGroup = group;
    return true;
}

void TX11KeyboardState::LoadKeymap() {
    // AltGr is the third-level shift (or a group switch) on layouts such as Spanish.
    FAltGrMask =
        XkbKeysymToModifiers(FDisplay, XK_ISO_Level3_Shift) | XkbKeysymToModifiers(FDisplay, XK_Mode_switch);
    if (FAltGrMask == 0) FAltGrMask = Mod5Mask;
    if (FKeymap) XkbFreeKeyboard(FKeymap, 0, True);
    FKeymap = XkbGetMap(FDisplay, XkbKeyTypesMask | XkbKeySymsMask, XkbUseCoreKbd);
    FKeyModifier.fill(0);
    FModifierKeyDown.fill(false);
    if (!FKeymap) return;
    // By the key's own symbol: the right Alt key sets the third level through its action,
    // not through the modifier map.
    for (unsigned code = FKeymap->min_key_code; code <= FKeymap->max_key_code && code < 256; ++code) {
        if (XkbKeyNumSyms(FKeymap, code) == 0) continue;
        switch (XkbKeySymEntry(FKeymap, code, 0, 0)) {
            case XK_Shift_L:
            case XK_Shift_R:
                FKeyModifier[code] = ShiftMask;
                break;
            case XK_Control_L:
            case XK_Control_R:
                FKeyModifier[code] = ControlMask;
                break;
            case XK_ISO_Level3_Shift:
            case XK_Mode_switch:
                FKeyModifier[code] = FAltGrMask;
                break;
            case XK_Caps_Lock:
                FKeyModifier[code] = LockMask;
                break;
            default:
                break;
        }
    }
}

bool TX11KeyboardState::ReadNativeKeyEvent(const void* event, TNativeKeyEvent& key) {
    const auto* generic = static_cast<const xcb_generic_event_t*>(event);
    const int type = generic->response_type & 0x7F;
    if (type == FXkbEvent) {
        // The second byte of an XKB event is its kind: a new layout or keymap is read again.
        const int kind = generic->pad0;
        if (kind == XkbNewKeyboardNotify || kind == XkbMapNotify) LoadKeymap();
        return false;
    }
    if (type != XCB_KEY_PRESS && type != XCB_KEY_RELEASE) return false;
    const auto* x = static_cast<const xcb_key_press_event_t*>(event);
    const bool press = type == XCB_KEY_PRESS;
    // The event's state is the one before it: add or take away the key's own modifier.
    unsigned mods = x->state;
    bool capsLockOn = mods & LockMask;
    const unsigned own = FKeyModifier[x->detail];
    if (own == LockMask) {
        // Caps Lock locks at its press and unlocks at the release that ends a press made
        // while it was locked.
        if (press) FCapsLockOnAtPress = capsLockOn;
        capsLockOn = press || !FCapsLockOnAtPress;
    } else if (own != 0) {
        // Both Shift keys give Shift: it goes when the last of them comes up. A key whose
        // modifier the event does not show is not held (its release went elsewhere).
        for (unsigned code = 0; code < FModifierKeyDown.size(); ++code)
            if (!(x->state & FKeyModifier[code])) FModifierKeyDown[code] = false;
        FModifierKeyDown[x->detail] = press;
        bool held = false;
        for (unsigned code = 0; code < FModifierKeyDown.size(); ++code)
            held = held || (FModifierKeyDown[code] && FKeyModifier[code] == own);
        mods = held ? mods | own : mods & ~own;
    }
    key.ScanCode = x->detail;
    key.State = StateOf(mods, capsLockOn);
    key.Press = press;
    key.ModifierKey = own != 0;
    key.DeadKeyPress = false;
    key.SilentKeyPress = 0;
    if (press && own == 0 && FKeymap) {
        unsigned modsLeft = 0;
        KeySym symbol = NoSymbol;
        if (XkbTranslateKeyCode(FKeymap, x->detail, x->state, &modsLeft, &symbol)) {
            key.DeadKeyPress = symbol >= XK_dead_grave && symbol <= XK_dead_longsolidusoverlay;
            key.ModifierKey = IsModifierKey(symbol);
            if (!(x->state & (ControlMask | Mod1Mask))) key.SilentKeyPress = SilentKeyOf(symbol);
        }
    }
    return true;
}

}  // namespace

std::unique_ptr<TKeyboardState> CreateX11KeyboardState() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    if (!display) return nullptr;
    return std::make_unique<TX11KeyboardState>(display);
}

}  // namespace teclarium
