// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// How far apart two colours look, also under simulated deuteranopia and protanopia.
// Simulation: Machado, Oliveira & Fernandes 2009, severity 1.0, on linear sRGB;
// difference: CIE76 ΔE*ab in CIELAB (sRGB, D65 white).
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace teclarium::test {

using TVision = std::array<std::array<double, 3>, 3>;
inline constexpr TVision kNormalVision{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
inline constexpr TVision kDeuteranopia{
    {{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}}};
inline constexpr TVision kProtanopia{
    {{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}}};

inline std::array<double, 3> Lab(std::uint8_t r, std::uint8_t g, std::uint8_t b, const TVision& vision) {
    const auto linear = [](std::uint8_t c) {
        const double v = c / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    const std::array<double, 3> in{linear(r), linear(g), linear(b)};
    std::array<double, 3> rgb{};
    for (std::size_t i = 0; i < 3; ++i)
        rgb[i] = std::clamp(vision[i][0] * in[0] + vision[i][1] * in[1] + vision[i][2] * in[2], 0.0, 1.0);
    const double x = (0.4124564 * rgb[0] + 0.3575761 * rgb[1] + 0.1804375 * rgb[2]) / 0.95047;
    const double y = 0.2126729 * rgb[0] + 0.7151522 * rgb[1] + 0.0721750 * rgb[2];
    const double z = (0.0193339 * rgb[0] + 0.1191920 * rgb[1] + 0.9503041 * rgb[2]) / 1.08883;
    const auto f = [](double t) { return t > 216.0 / 24389 ? std::cbrt(t) : (24389.0 / 27 * t + 16) / 116; };
    return {116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
}

// The least ΔE of the two colours under normal vision, deuteranopia and protanopia.
template <typename TColour>
double LeastDifference(const TColour& a, const TColour& b) {
    double least = 1e9;
    for (const TVision* vision : {&kNormalVision, &kDeuteranopia, &kProtanopia}) {
        const auto p = Lab(a.red(), a.green(), a.blue(), *vision),
                   q = Lab(b.red(), b.green(), b.blue(), *vision);
        least = std::min(least, std::hypot(p[0] - q[0], p[1] - q[1], p[2] - q[2]));
    }
    return least;
}

}  // namespace teclarium::test
