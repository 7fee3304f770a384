// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#pragma once

#include "keyboard/key_display_options.h"

namespace teclarium {

// The option check boxes of the drill, read at the moment they matter.
class TDrillOptions : public TKeyDisplayOptions {
  public:
    virtual bool RepeatWrongWord() const = 0;   // CB_RepeatWrongWord
    virtual bool RepeatWord() const = 0;        // CB_RepeatWord
    virtual bool WriteWrongChar() const = 0;    // CB_WriteWrongChar
    virtual bool ShowIncorrectKey() const = 0;  // CB_ShowIncorrectKey
};

}  // namespace teclarium
