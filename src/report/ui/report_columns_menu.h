// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The group report's "Columnes..." menu: a check box per column but the learner's
// name, which always shows, and the default set. It stays open while the teacher
// ticks several.
#pragma once

#include <QMenu>
#include <functional>

#include "report/report_columns.h"

namespace teclarium {

// changed: the columns checked, each time one is checked or cleared.
QMenu* ColumnsMenu(QWidget* parent, const TShownColumns& shown,
                   std::function<void(const TShownColumns&)> changed);

}  // namespace teclarium
