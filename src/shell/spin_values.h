// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// A spin box's value as the settings file keeps it.
#pragma once

#include <QSpinBox>

#include "settings/settings_table.h"

namespace teclarium {

// A box's text, not its value: a text that is no number (the box emptied) saves
// the minimum, where the value would still be the last number shown.
inline int SavedValue(const QSpinBox* box) {
    return SavedSpinValue(box->cleanText().toStdString(), box->minimum());
}

}  // namespace teclarium
