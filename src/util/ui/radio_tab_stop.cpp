// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "util/ui/radio_tab_stop.h"

#include <QAbstractButton>
#include <algorithm>

namespace teclarium {

void TabStopOnChecked(const QList<QAbstractButton*>& buttons) {
    const auto update = [buttons] {
        const bool anyChecked =
            std::any_of(buttons.begin(), buttons.end(), [](QAbstractButton* b) { return b->isChecked(); });
        for (QAbstractButton* b : buttons) {
            const bool stop = anyChecked ? b->isChecked() : b == buttons.first();
            b->setFocusPolicy(stop ? Qt::StrongFocus : Qt::ClickFocus);
        }
    };
    for (QAbstractButton* b : buttons) QObject::connect(b, &QAbstractButton::toggled, b, update);
    update();
}

}  // namespace teclarium
