// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#pragma once

namespace teclarium {

// Options the key display reads at the moment it needs them (never copied).
class TKeyDisplayOptions {
  public:
    virtual ~TKeyDisplayOptions() = default;
    virtual bool ShowKeyToType() const = 0;  // CB_ShowKeyToType
    virtual bool OneHand() const = 0;        // FOneHand
};

}  // namespace teclarium
