// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "keyboard/colour_palette.h"

#include <algorithm>
#include <cmath>

namespace teclarium {
namespace {

// Yellow and lime zones, an aqua lamp on the style's faces.
constexpr TKeyboardPalette kStandard{{TRgb{255, 255, 0}, TRgb{0, 255, 0}}, TRgb{0, 255, 255}, std::nullopt};
// The Okabe-Ito colours (Okabe & Ito 2008, "Color Universal Design"): vermillion and
// blue zones, a yellow lamp on white faces.
constexpr TKeyboardPalette kColourBlind{
    {TRgb{0xD5, 0x5E, 0x00}, TRgb{0x00, 0x72, 0xB2}}, TRgb{0xF0, 0xE4, 0x42}, TRgb{0xFF, 0xFF, 0xFF}};

// ColorBrewer's five-class RdYlBu scale (marked colour-blind safe), blue end first.
constexpr std::array<TRgb, 5> kColourBlindHeat{
    {{0x2C, 0x7B, 0xB6}, {0xAB, 0xD9, 0xE9}, {0xFF, 0xFF, 0xBF}, {0xFD, 0xAE, 0x61}, {0xD7, 0x19, 0x1C}}};

std::uint8_t Channel(double value) {
    return static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.0, 1.0) * 255.0));
}

std::uint8_t Between(std::uint8_t a, std::uint8_t b, double f) {
    return static_cast<std::uint8_t>(std::lround(a + (b - a) * f));
}

}  // namespace

const TKeyboardPalette& KeyboardPalette(bool colourBlind) {
    return colourBlind ? kColourBlind : kStandard;
}

TRgb HeatColour(double t, bool colourBlind) {
    t = std::clamp(t, 0.0, 1.0);
    if (!colourBlind) {
        // Hue 120° (green) down to 0° (red), saturation 0.75, value 1.
        const double hue = (1.0 - t) * 120.0, chroma = 0.75, low = 1.0 - chroma;
        const double x = chroma * (1.0 - std::fabs(std::fmod(hue / 60.0, 2.0) - 1.0));
        return hue < 60.0 ? TRgb{Channel(low + chroma), Channel(low + x), Channel(low)}
                          : TRgb{Channel(low + x), Channel(low + chroma), Channel(low)};
    }
    const double at = t * (kColourBlindHeat.size() - 1);
    const std::size_t i = std::min(static_cast<std::size_t>(at), kColourBlindHeat.size() - 2);
    const double f = at - static_cast<double>(i);
    const TRgb &a = kColourBlindHeat[i], &b = kColourBlindHeat[i + 1];
    return {Between(a.R, b.R, f), Between(a.G, b.G, f), Between(a.B, b.B, f)};
}

}  // namespace teclarium
