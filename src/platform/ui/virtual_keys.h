// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// Key events to the Spanish (Spain) layout's virtual-key codes.
#pragma once

class QKeyEvent;

namespace teclarium {

// The virtual-key code of the physical key (X keycode table), or for keys without
// a known position, of the Qt key (letters, digits, Home, Left, Up...); 0 if none.
int VirtualKeyOf(const QKeyEvent& e);
// The virtual-key code of an X keycode (evdev + 8) on a pc105 Spanish keyboard; 0 if none.
int VirtualKeyOfScanCode(unsigned scanCode);
bool IsDeadKey(const QKeyEvent& e);

}  // namespace teclarium
