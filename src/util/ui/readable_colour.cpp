// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "util/ui/readable_colour.h"

#include <algorithm>
#include <cmath>

namespace teclarium {
namespace {

double Channel(double c) {
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& c) {
    return 0.2126 * Channel(c.redF()) + 0.7152 * Channel(c.greenF()) + 0.0722 * Channel(c.blueF());
}

QColor Mix(const QColor& from, const QColor& to, double t) {
    return QColor::fromRgbF(static_cast<float>(from.redF() + (to.redF() - from.redF()) * t),
                            static_cast<float>(from.greenF() + (to.greenF() - from.greenF()) * t),
                            static_cast<float>(from.blueF() + (to.blueF() - from.blueF()) * t));
}

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ReadableOn(const QColor& colour, const QColor& background, double contrast) {
    if (ContrastRatio(colour, background) >= contrast) return colour;
    const QColor end = Luminance(background) > 0.18 ? QColor(Qt::black) : QColor(Qt::white);
    // The smallest step towards the end that reaches the contrast (in 1/256 steps).
    int low = 0, high = 256;
    while (low < high) {
        const int mid = (low + high) / 2;
        if (ContrastRatio(Mix(colour, end, mid / 256.0), background) >= contrast)
            high = mid;
        else
            low = mid + 1;
    }
    return Mix(colour, end, low / 256.0);
}

}  // namespace teclarium
