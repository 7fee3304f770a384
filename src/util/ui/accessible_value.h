// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// A label that shows a value (a counter, the word to type) read by screen readers
// as "name: value". The name is made when a reader asks, so showing a new value
// costs nothing more: the label itself announces the change of its text.
#pragma once

#include <QString>

class QComboBox;
class QLabel;

namespace teclarium {

void SetAccessibleValueName(QLabel* label, const QString& name);

// A closed combo box whose value screen readers read as its text: with Qt's own
// interface they find it only in an item selected in the list, which the bridge
// does not offer, and say the label and the role alone.
void SetAccessibleComboValue(QComboBox* combo);

}  // namespace teclarium
