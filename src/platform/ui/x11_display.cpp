// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "platform/ui/x11_display.h"

#include <xcb/xcb.h>

#include <chrono>
#include <thread>

namespace teclarium {

bool TXDisplayCheck::Open(const char* name) {
    Close();
    // A reset takes some milliseconds; a display that is not there fails each time at once.
    constexpr int kTries = 5;
    for (int attempt = 1;; ++attempt) {
        FConnection = xcb_connect(name, nullptr);
        if (xcb_connection_has_error(FConnection) == 0) return true;
        Close();
        if (attempt == kTries) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
}

void TXDisplayCheck::Close() {
    if (FConnection) xcb_disconnect(FConnection);
    FConnection = nullptr;
}

}  // namespace teclarium
