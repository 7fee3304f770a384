// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "platform/ui/keyboard_state_factory.h"

#include <QGuiApplication>

#include "platform/ui/x11_keyboard_state.h"

namespace teclarium {
namespace {

// Off X11 (offscreen runs): the modifiers as Qt last saw them; Caps Lock as last set.
class TQtKeyboardState final : public TKeyboardState {
  public:
    bool CapsLockOn() const override { return FCapsLock; }
    bool ShiftDown() const override { return QGuiApplication::queryKeyboardModifiers() & Qt::ShiftModifier; }
    bool CtrlDown() const override {
        return QGuiApplication::queryKeyboardModifiers() & (Qt::ControlModifier | Qt::GroupSwitchModifier);
    }
    void SwitchCapsLockOff() override { FCapsLock = false; }

  private:
    bool FCapsLock = false;
};

}  // namespace

std::unique_ptr<TKeyboardState> CreateKeyboardState() {
    if (auto x11 = CreateX11KeyboardState()) return x11;
    return std::make_unique<TQtKeyboardState>();
}

}  // namespace teclarium
