// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// A label that shows a value (a counter, the word to type) read by screen readers
// as "name: value". The name is made when a reader asks, so showing a new value
// costs nothing more: the label itself announces the change of its text.
#pragma once

#include <QString>

class QLabel;

namespace teclarium {

void SetAccessibleValueName(QLabel* label, const QString& name);

}  // namespace teclarium
