// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The keyboard state read from the X server through XKB.
#pragma once

#include <memory>

#include "platform/keyboard_state.h"

namespace teclarium {

// Null when the application does not run on X11 (no X display).
std::unique_ptr<TKeyboardState> CreateX11KeyboardState();

}  // namespace teclarium
