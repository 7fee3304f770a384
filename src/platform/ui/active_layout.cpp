// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "platform/ui/active_layout.h"

#include <QGuiApplication>

#include "platform/xkb/xkb_x11_layout.h"

namespace teclarium {
namespace {

xcb_connection_t* Connection() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

}  // namespace

std::optional<TXkbLayoutName> ActiveLayoutName() {
    xcb_connection_t* connection = Connection();
    return connection ? XkbActiveLayoutName(connection) : std::nullopt;
}

std::optional<TXkbLayout> ActiveLayout(std::span<const unsigned> keycodes) {
    xcb_connection_t* connection = Connection();
    return connection ? XkbActiveLayout(connection, keycodes) : std::nullopt;
}

}  // namespace teclarium
