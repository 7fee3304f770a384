// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// What a keyboard layout types, read with libxkbcommon from the layout's names (or,
// through the X11 part, from the X server's active keymap), with the dead keys'
// accented characters from the locale's compose table. No Qt, no window system.
#pragma once

#include <optional>
#include <span>
#include <string>

#include "platform/layout_data.h"

struct xkb_keymap;

namespace teclarium {

// The layout compiled from its names on the pc105 model, read at the given X key
// codes; nullopt when XKB has no such layout.
std::optional<TXkbLayout> XkbLayoutFromNames(const TXkbLayoutName& name, std::span<const unsigned> keycodes);

// A compiled keymap's group read at the given X key codes.
TXkbLayout XkbLayoutOfKeymap(xkb_keymap* keymap, unsigned group, std::span<const unsigned> keycodes);

// The compose table's locale: the environment's (LC_ALL, LC_CTYPE, LANG) in its UTF-8
// form, Catalan where none is set. The texts are Windows-1252, the table UTF-8.
std::string ComposeLocale();

}  // namespace teclarium
