// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The help seam: the window asks for help topics here; the help viewer of the
// shell answers. Without a viewer installed the request is ignored.
#pragma once

#include <functional>

namespace teclarium {

using THelpContextViewer = std::function<void(int context)>;

void ShowHelpContext(int context);
THelpContextViewer SetHelpContextViewer(THelpContextViewer viewer);

}  // namespace teclarium
