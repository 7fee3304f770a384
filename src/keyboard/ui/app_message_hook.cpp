#include "keyboard/ui/app_message_hook.h"

#include <xcb/xcb.h>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QWidget>

namespace teclarium {

TAppMessageHook::TAppMessageHook(std::function<bool()> onInput, QObject* parent)
    : QObject(parent), FOnInput(std::move(onInput)) {
    qApp->installEventFilter(this);
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        qApp->installNativeEventFilter(this);
        FRawKeys = true;
    }
}

TAppMessageHook::~TAppMessageHook() {
    if (FRawKeys && qApp) qApp->removeNativeEventFilter(this);
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
    const bool changed = key && FRawKeys ? false : FOnInput();
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
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    const std::uint8_t type = event->response_type & 0x7F;
    if ((type == XCB_KEY_PRESS || type == XCB_KEY_RELEASE) && FOnInput()) FConsumeModifier = true;
    return false;  // the key event itself goes on to Qt
}

}  // namespace teclarium
