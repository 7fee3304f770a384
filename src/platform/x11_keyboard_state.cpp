#include "platform/x11_keyboard_state.h"

#include <QGuiApplication>

// X11 headers last: they define names (KeyPress, Bool, Status...) that clash with Qt's.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
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

class TX11KeyboardState final : public TKeyboardState {
  public:
    explicit TX11KeyboardState(Display* display) : FDisplay(display) {
        // AltGr is the third-level shift (or a group switch) on layouts such as Spanish.
        FAltGrMask = XkbKeysymToModifiers(FDisplay, XK_ISO_Level3_Shift) |
                     XkbKeysymToModifiers(FDisplay, XK_Mode_switch);
        if (FAltGrMask == 0) FAltGrMask = Mod5Mask;
    }

    bool CapsLockOn() const override { return Read().CapsLockOn; }
    bool ShiftDown() const override { return Read().ShiftDown; }
    bool CtrlDown() const override { return Read().CtrlDown; }

    TModifierState Read() const override {
        XkbStateRec st{};
        if (XkbGetState(FDisplay, XkbUseCoreKbd, &st) != Success) return {};
        TModifierState s;
        s.CapsLockOn = st.locked_mods & LockMask;
        s.ShiftDown = st.mods & ShiftMask;
        s.CtrlDown = (st.mods & (ControlMask | FAltGrMask)) != 0;
        return s;
    }

    void SwitchCapsLockOff() override {
        XkbStateRec st{};
        if (XkbGetState(FDisplay, XkbUseCoreKbd, &st) != Success) return;
        if (!(st.locked_mods & LockMask)) return;
        XkbLockModifiers(FDisplay, XkbUseCoreKbd, LockMask, 0);
        XSync(FDisplay, False);
    }

  private:
    Display* FDisplay;
    unsigned FAltGrMask = 0;
};

}  // namespace

std::unique_ptr<TKeyboardState> CreateX11KeyboardState() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    if (!display) return nullptr;
    return std::make_unique<TX11KeyboardState>(display);
}

}  // namespace teclarium
