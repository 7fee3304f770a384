// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// Placing windows on the screen.
#pragma once

class QSize;
class QWidget;

namespace teclarium {

// Moves the window, frame included, to the centre of its screen's available area.
void CentreOnScreen(QWidget& window);
// Resizes the window to the size wanted, no larger than its screen's available area
// (less its frame, or room for one where it is not known yet).
void ResizeWithinScreen(QWidget& window, const QSize& wanted);

}  // namespace teclarium
