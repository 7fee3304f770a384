// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// Placing windows on the screen.
#pragma once

class QWidget;

namespace teclarium {

// Moves the window, frame included, to the centre of its screen's available area.
void CentreOnScreen(QWidget& window);

}  // namespace teclarium
