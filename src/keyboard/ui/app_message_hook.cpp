// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "keyboard/ui/app_message_hook.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QWidget>

#include "platform/ui/virtual_keys.h"

namespace teclarium {

TAppMessageHook::TAppMessageHook(TKeyboardState& keyboard, THandlers handlers, QObject* parent)
    : QObject(parent), FKeyboard(keyboard), FHandlers(std::move(handlers)) {
    qApp->installEventFilter(this);
    if (ReadsRawKeys()) {
        qApp->installNativeEventFilter(this);
        FRawKeys = true;
    }
}

TAppMessageHook::~TAppMessageHook() {
    if (FRawKeys && qApp) qApp->removeNativeEventFilter(this);
}

bool TAppMessageHook::ReadsRawKeys() {
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

bool TAppMessageHook::IsInputEvent(const QObject* watched, const QEvent& e) {
    switch (e.type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::FocusIn:
        case QEvent::ApplicationStateChange:
            return true;
        case QEvent::WindowActivate:
            // Sent to every widget of the window: one look is enough.
            return watched->isWidgetType() && static_cast<const QWidget*>(watched)->isWindow();
        default:
            return false;
    }
}

bool TAppMessageHook::IsKeyEvent(const QEvent& e) {
    return e.type() == QEvent::KeyPress || e.type() == QEvent::KeyRelease ||
           e.type() == QEvent::ShortcutOverride;
}

bool TAppMessageHook::IsModifierKeyEvent(const QEvent& e) {
    if (!IsKeyEvent(e)) return false;
    switch (static_cast<const QKeyEvent&>(e).key()) {
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
        case Qt::Key_Meta:
        case Qt::Key_CapsLock:
        case Qt::Key_Mode_switch:
        case Qt::Key_Super_L:
        case Qt::Key_Super_R:
        case Qt::Key_Hyper_L:
        case Qt::Key_Hyper_R:
            return true;
        default:
            return false;
    }
}

bool TAppMessageHook::eventFilter(QObject* watched, QEvent* e) {
    if (!IsInputEvent(watched, *e)) return false;
    const bool key = IsKeyEvent(*e);
    // Other events than keys carry no modifier state of their own: ask the keyboard.
    const bool changed = key && FRawKeys ? false : FHandlers.OnInput(FKeyboard.Read());
    if (!IsModifierKeyEvent(*e)) {
        if (key) FConsumeModifier = false;
        return false;
    }
    // A key press comes as a shortcut override followed by the press itself: both go.
    const bool consume = changed || FConsumeModifier;
    FConsumeModifier = consume && e->type() == QEvent::ShortcutOverride;
    if (!consume) return false;
    e->accept();  // handled here: not passed on to the parent widgets either
    return true;
}

bool TAppMessageHook::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t") return false;
    if (FHandlers.OnLayoutChange && FKeyboard.IsLayoutChange(message)) FHandlers.OnLayoutChange();
    TNativeKeyEvent key;
    if (!FKeyboard.ReadNativeKeyEvent(message, key)) return false;
    if (FHandlers.OnInput(key.State)) FConsumeModifier = true;
    if (key.Press && !key.ModifierKey) {
        if (FDeadKeyPending && key.SilentKeyPress != 0 && FHandlers.OnSilentKeyAfterDeadKey &&
            FHandlers.OnSilentKeyAfterDeadKey(key.SilentKeyPress))
            return true;  // the dead key stays pending
        FDeadKeyPending = key.DeadKeyPress;
    }
    if (key.DeadKeyPress) FHandlers.OnDeadKeyDown(VirtualKeyOfScanCode(key.ScanCode));
    return false;  // the key event itself goes on to Qt
}

}  // namespace teclarium
