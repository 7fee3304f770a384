// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "report/chart_scale.h"

#include <algorithm>
#include <cmath>

namespace teclarium {
namespace {

// The quantile q of sorted values, linear between the two nearest.
double Quantile(const std::vector<double>& sorted, double q) {
    const double at = q * static_cast<double>(sorted.size() - 1);
    const auto below = static_cast<std::size_t>(std::floor(at));
    const std::size_t above = std::min(below + 1, sorted.size() - 1);
    return sorted[below] + (sorted[above] - sorted[below]) * (at - static_cast<double>(below));
}

}  // namespace

double ChartCeiling(double value) {
    const double power = std::pow(10.0, std::floor(std::log10(std::max(value, 1.0))));
    for (const double step : {1.0, 1.5, 2.0, 2.5, 3.0, 4.0, 5.0, 6.0, 8.0})
        if (step * power >= value) return step * power;
    return 10 * power;
}

double ChartScaleTop(std::vector<double> days) {
    if (days.empty()) return ChartCeiling(0);
    std::sort(days.begin(), days.end());
    const double q1 = Quantile(days, 0.25), q3 = Quantile(days, 0.75);
    const double fence = q3 + 1.5 * (q3 - q1);
    return ChartCeiling(std::min(days.back(), fence));
}

}  // namespace teclarium
