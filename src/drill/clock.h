// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The one way in for time: date-time readings as days (1.0 is 24 hours).
#pragma once

namespace teclarium {

inline constexpr double kSecond = 1.0 / 86400.0;

class TClock {
  public:
    virtual ~TClock() = default;
    virtual double Now() const = 0;
};

// The system's wall clock, days since 1970-01-01 UTC with the time of day as fraction.
class TSystemClock final : public TClock {
  public:
    double Now() const override;
};

}  // namespace teclarium
