#include "keyboard/ui/app_message_hook.h"

#include <QEvent>
#include <QKeyEvent>

namespace teclarium {

TAppMessageHook::TAppMessageHook(std::function<bool()> onInput, QObject* parent)
    : QObject(parent), FOnInput(std::move(onInput)) {}

bool TAppMessageHook::IsInputEvent(const QEvent& e) {
    switch (e.type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::FocusIn:
        case QEvent::WindowActivate:
        case QEvent::ApplicationStateChange:
            return true;
        default:
            return false;
    }
}

bool TAppMessageHook::IsModifierKeyEvent(const QEvent& e) {
    const QEvent::Type type = e.type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride) return false;
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
    if (!IsInputEvent(*e)) return QObject::eventFilter(watched, e);
    const bool changed = FOnInput();
    if (!IsModifierKeyEvent(*e)) {
        FConsumedOverride = 0;
        return false;
    }
    // A key press comes as a shortcut override followed by the press itself: a
    // change noticed at the override consumes the press too.
    const int key = static_cast<const QKeyEvent&>(*e).key();
    const bool pressOfConsumedOverride = e->type() == QEvent::KeyPress && key == FConsumedOverride;
    FConsumedOverride = changed && e->type() == QEvent::ShortcutOverride ? key : 0;
    if (!changed && !pressOfConsumedOverride) return false;
    e->accept();  // handled here: not passed on to the parent widgets either
    return true;
}

}  // namespace teclarium
