// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The text of the TAppError that a call throws, for comparing with the message
// expected; a call that throws nothing gives a text that no message has.
#pragma once

#include <QString>

#include "util/app_error.h"

template <typename F>
QString ThrownText(F&& f) {
    try {
        f();
    } catch (const teclarium::TAppError& error) {
        return QString::fromUtf8(error.what());
    }
    return QStringLiteral("(nothing thrown)");
}
