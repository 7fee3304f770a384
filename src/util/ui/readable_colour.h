// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// Text colours that can be read: at least the contrast that accessibility
// guidelines ask of normal text (4.5:1) against the background.
#pragma once

#include <QColor>

namespace teclarium {

inline constexpr double kReadableContrast = 4.5;

// The contrast ratio of two colours, 1 to 21.
double ContrastRatio(const QColor& a, const QColor& b);
// The colour moved towards black or white, whichever the background stands further
// from, just far enough to reach the contrast; the colour itself when it does already.
QColor ReadableOn(const QColor& colour, const QColor& background, double contrast = kReadableContrast);

}  // namespace teclarium
