// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The X server's active keyboard layout, when the application runs on X11.
#pragma once

#include <optional>
#include <span>

#include "platform/xkb/xkb_layout.h"

namespace teclarium {

// Its XKB names: nullopt without X11 (offscreen) or XKB.
std::optional<TXkbLayoutName> ActiveLayoutName();
// What it types at the given X key codes: nullopt without X11 or XKB.
std::optional<TXkbLayout> ActiveLayout(std::span<const unsigned> keycodes);

}  // namespace teclarium
