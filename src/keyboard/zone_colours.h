// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// Finger-zone colours of the key frames: two hands, two hands on a split natural
// keyboard, and one hand.
#pragma once

#include <array>

#include "keyboard/key_table.h"

namespace teclarium {

enum class TZone : unsigned char { Yellow, Lime };

struct TZoneMode {
    bool OneHand = false;
    bool NaturalKeyboard = false;  // one hand wins when both are set
};

// The zone of every key frame, by key number 1..52; index 0 unused.
std::array<TZone, kKeyCount + 1> FrameZones(TZoneMode mode);

}  // namespace teclarium
