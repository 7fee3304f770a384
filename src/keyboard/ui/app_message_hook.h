// The application-wide message hook of the keyboard display. On input events only,
// it asks whether the real keyboard's Shift, Ctrl/AltGr or Caps Lock changed.
//
// On X11 it also sees the raw key events, because the compose input method keeps
// some from the application (a Shift pressed after a dead key), and it then asks on
// those rather than on Qt's key events. A modifier key's event in which a change was
// noticed is consumed; any other event goes on, so no character, click or focus
// change is lost.
#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <functional>

class QEvent;

namespace teclarium {

class TAppMessageHook : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT

  public:
    // onInput returns true when it noticed a change. The hook installs itself on the
    // application and goes with its parent.
    TAppMessageHook(std::function<bool()> onInput, QObject* parent);
    ~TAppMessageHook() override;

    bool eventFilter(QObject* watched, QEvent* e) override;
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

    static bool IsInputEvent(const QObject* watched, const QEvent& e);
    static bool IsKeyEvent(const QEvent& e);
    static bool IsModifierKeyEvent(const QEvent& e);

  private:
    std::function<bool()> FOnInput;
    bool FRawKeys = false;          // key changes are noticed on the raw X11 key events
    bool FConsumeModifier = false;  // the change was noticed for the modifier key coming next
};

}  // namespace teclarium
