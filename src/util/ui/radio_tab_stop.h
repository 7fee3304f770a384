// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// Tab into a group of radio buttons lands on the checked one: only it takes Tab
// (the first when none is checked); the arrows move between them as before.
#pragma once

#include <QList>

class QAbstractButton;

namespace teclarium {

void TabStopOnChecked(const QList<QAbstractButton*>& buttons);

}  // namespace teclarium
