// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "util/ui/help.h"

#include <utility>

namespace teclarium {
namespace {
THelpContextViewer& Viewer() {
    static THelpContextViewer viewer;
    return viewer;
}
}  // namespace

void ShowHelpContext(int context) {
    if (Viewer()) Viewer()(context);
}

THelpContextViewer SetHelpContextViewer(THelpContextViewer viewer) {
    return std::exchange(Viewer(), std::move(viewer));
}

}  // namespace teclarium
