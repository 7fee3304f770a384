// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// An unexpected failure (a file that cannot be opened or written). It carries the
// Catalan text that the general error report shows; the event that raised it ends.
#pragma once

#include <stdexcept>
#include <string>

namespace teclarium {

class TAppError : public std::runtime_error {
  public:
    explicit TAppError(const std::string& text) : std::runtime_error(text) {}
};

}  // namespace teclarium
