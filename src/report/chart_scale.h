// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The common scale of the printed report's speed charts: from the class's typical
// range, so that one spike day does not flatten every other curve.
#pragma once

#include <vector>

namespace teclarium {

// The top of a scale for values up to value: 1, 1.5, 2, 2.5, 3, 4, 5, 6 or 8 times
// a power of ten, at least 1.
double ChartCeiling(double value);

// The top of the charts' scale for these day values of all the learners: the
// highest that is no outlier (at most the upper quartile plus 1.5 times the
// interquartile range), rounded up by ChartCeiling. Values above it are drawn
// at the top, marked.
double ChartScaleTop(std::vector<double> days);

}  // namespace teclarium
