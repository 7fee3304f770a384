// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// Unexpected failures end the event that raised them with the general error report;
// the program goes on.
#pragma once

#include <exception>
#include <new>
#include <string>

#include "util/messages.h"
#include "util/ui/message_boxes.h"

namespace teclarium {

// Runs f; an unexpected failure ends it with the general error report. Event
// dispatch and the slots that can fail (signals must not carry exceptions) use it.
template <typename F>
void ReportingFailures(F&& f) {
    try {
        f();
    } catch (const std::bad_alloc&) {
        // The system's own words mean nothing to the person at the keyboard.
        GeneralErrorReport(std::string(kMsgOutOfMemory));
    } catch (const std::exception& error) {
        GeneralErrorReport(error.what());
    }
}

}  // namespace teclarium
