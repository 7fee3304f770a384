// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// Small font helpers for widgets.
#pragma once

#include <QFont>
#include <QWidget>

namespace teclarium {

// Sets the widget's font size in points; nothing happens when it already has it.
inline void SetPointSize(QWidget* widget, int points) {
    QFont font = widget->font();
    if (font.pointSize() == points) return;
    font.setPointSize(points);
    widget->setFont(font);
}

}  // namespace teclarium
