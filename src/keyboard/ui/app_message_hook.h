// The application-wide message hook of the keyboard display: an event filter on
// the application that, on input events only, asks whether the real keyboard's
// modifiers changed. A modifier key's own event in which the change was noticed is
// consumed; any other event goes on, so no character, click or focus change is lost.
#pragma once

#include <QObject>
#include <functional>

class QEvent;

namespace teclarium {

class TAppMessageHook : public QObject {
    Q_OBJECT

  public:
    // onInput returns true when it noticed a change of Shift, Ctrl/AltGr or Caps Lock.
    TAppMessageHook(std::function<bool()> onInput, QObject* parent);

    bool eventFilter(QObject* watched, QEvent* e) override;

    static bool IsInputEvent(const QEvent& e);
    static bool IsModifierKeyEvent(const QEvent& e);

  private:
    std::function<bool()> FOnInput;
    int FConsumedOverride = 0;  // the modifier key whose shortcut override was consumed
};

}  // namespace teclarium
