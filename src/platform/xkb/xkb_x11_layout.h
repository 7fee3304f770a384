// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The X server's active keyboard layout: its XKB names (of the group in use) and,
// read from the server's keymap, what it types. No Qt.
#pragma once

#include <optional>
#include <span>

#include "platform/xkb/xkb_layout.h"

struct xcb_connection_t;

namespace teclarium {

// The names of the active group's layout, as the server's XKB rules record them;
// nullopt when the server has no XKB or no names. One short round trip.
std::optional<TXkbLayoutName> XkbActiveLayoutName(xcb_connection_t* connection);

// The active group of the server's keymap read at the given X key codes; nullopt
// when the server has no XKB.
std::optional<TXkbLayout> XkbActiveLayout(xcb_connection_t* connection, std::span<const unsigned> keycodes);

}  // namespace teclarium
