// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "util/ui/modal.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>

namespace teclarium {
namespace {
TModalHandler& Handler() {
    static TModalHandler handler;
    return handler;
}
}  // namespace

int RunModal(QDialog& dialog) {
    // The window and the control that had the focus get it back when the dialog closes:
    // without a window manager to do it, the window would stay inactive and silent.
    const QPointer<QWidget> focus = QApplication::focusWidget();
    const QPointer<QWidget> window = dialog.parentWidget() ? dialog.parentWidget()->window() : nullptr;
    const int result = Handler() ? Handler()(dialog) : dialog.exec();
    if (window && window->isVisible()) {
        window->activateWindow();
        if (focus && focus->window() == window && focus->isVisible() && focus->isEnabled())
            focus->setFocus(Qt::ActiveWindowFocusReason);
    }
    return result;
}

TModalHandler SetModalHandler(TModalHandler handler) {
    return std::exchange(Handler(), std::move(handler));
}

}  // namespace teclarium
