// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The running application's keyboard state.
#pragma once

#include <memory>

#include "platform/keyboard_state.h"

namespace teclarium {

// The X11 implementation when the application runs on X11, else one that follows
// Qt's modifiers and keeps Caps Lock as last set (offscreen runs).
std::unique_ptr<TKeyboardState> CreateKeyboardState();

}  // namespace teclarium
