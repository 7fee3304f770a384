// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// Making a control of the main window: named as in the window design.
#pragma once

#include <QString>
#include <QWidget>
#include <utility>

namespace teclarium {

template <typename T, typename... Args>
T* Make(QWidget* parent, const char* name, Args&&... args) {
    T* w = new T(std::forward<Args>(args)..., parent);
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

}  // namespace teclarium
