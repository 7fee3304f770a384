// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// Every modal dialog of the program is run through here, so that tests can answer
// dialogs through one seam (and fail, not hang, on an unexpected one).
#pragma once

#include <functional>

class QDialog;

namespace teclarium {

using TModalHandler = std::function<int(QDialog&)>;

int RunModal(QDialog& dialog);
// Installs a handler that answers dialogs instead of exec(); returns the previous one.
TModalHandler SetModalHandler(TModalHandler handler);

}  // namespace teclarium
