// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// Whether an X display answers, tried before Qt opens it (Qt aborts on one that does not).
#pragma once

namespace teclarium {

// name: as in DISPLAY (":0", "host:1.0"). Opens a connection and closes it again.
bool XDisplayAnswers(const char* name);

}  // namespace teclarium
