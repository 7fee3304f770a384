// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "util/ui/placement.h"

#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <algorithm>

namespace teclarium {

void CentreOnScreen(QWidget& window) {
    if (const QScreen* screen = window.screen()) {
        const QRect available = screen->availableGeometry();
        QRect frame = window.frameGeometry();
        frame.moveCenter(available.center());
        // A window larger than the screen (large fonts, a scale factor) starts at its
        // top left corner, its title bar and menus on the screen.
        frame.moveTopLeft(
            QPoint(std::max(frame.left(), available.left()), std::max(frame.top(), available.top())));
        window.move(frame.topLeft());
    }
}

void ResizeWithinScreen(QWidget& window, const QSize& wanted) {
    const QScreen* screen = window.screen();
    QSize frame = window.frameGeometry().size() - window.size();
    if (frame.isNull()) {
        // Not framed yet: room for a title bar and borders as the style draws them.
        const int border = window.style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
        frame = QSize(2 * border, window.style()->pixelMetric(QStyle::PM_TitleBarHeight) + 2 * border);
    }
    window.resize(screen ? wanted.boundedTo(screen->availableGeometry().size() - frame) : wanted);
}

}  // namespace teclarium
