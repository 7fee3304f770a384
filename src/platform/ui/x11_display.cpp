// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "platform/ui/x11_display.h"

#include <xcb/xcb.h>

namespace teclarium {

bool XDisplayAnswers(const char* name) {
    xcb_connection_t* connection = xcb_connect(name, nullptr);
    const bool answers = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return answers;
}

}  // namespace teclarium
