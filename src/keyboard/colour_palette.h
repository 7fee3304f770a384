// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The colours of the on-screen keyboard and of its heat map: the standard ones, and
// a palette for colour-blind users whose colours stay apart under the common
// red-green deficiencies (deuteranopia and protanopia).
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "keyboard/zone_colours.h"

namespace teclarium {

struct TRgb {
    std::uint8_t R = 0, G = 0, B = 0;
    bool operator==(const TRgb&) const = default;
};

struct TKeyboardPalette {
    std::array<TRgb, 2> Zones;  // the finger-zone frames, indexed by TZone
    TRgb Lamp;                  // the face of a key to press
    std::optional<TRgb> Face;   // an unlit key's face; none: the style's button colour
};

const TKeyboardPalette& KeyboardPalette(bool colourBlind);
inline TRgb ZoneColour(const TKeyboardPalette& palette, TZone zone) {
    return palette.Zones[static_cast<std::size_t>(zone)];
}

// The heat map's colour at position t of its scale: 0 no errors, 1 the worst key
// (clamped to 0..1). Standard: green to red through yellow; colour-blind: blue to
// red through pale yellow.
TRgb HeatColour(double t, bool colourBlind);

}  // namespace teclarium
