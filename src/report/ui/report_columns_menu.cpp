// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "report/ui/report_columns_menu.h"

#include <memory>

#include "report/report_texts.h"
#include "util/codec.h"

namespace teclarium {

QMenu* ColumnsMenu(QWidget* parent, const TShownColumns& shown,
                   std::function<void(const TShownColumns&)> changed) {
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("MN_Columns"));
    auto checks = std::make_shared<std::array<QAction*, kReportColumnCount>>();
    const auto checked = [checks] {
        TShownColumns now{};
        now[kColName] = true;
        for (int column = kColName + 1; column < kReportColumnCount; ++column)
            now[column] = (*checks)[column]->isChecked();
        return now;
    };
    for (int column = kColName + 1; column < kReportColumnCount; ++column) {
        // An "&" of a header is no mnemonic.
        QAction* check =
            menu->addAction(FromUtf8(kReportHeaders[column]).replace(QLatin1Char('&'), QStringLiteral("&&")));
        check->setCheckable(true);
        check->setChecked(shown[column]);
        QObject::connect(check, &QAction::triggered, menu, [checked, changed] { changed(checked()); });
        (*checks)[column] = check;
    }
    menu->addSeparator();
    QAction* defaults = menu->addAction(FromUtf8(kDefaultColumns));
    defaults->setObjectName(QStringLiteral("MI_DefaultColumns"));
    QObject::connect(defaults, &QAction::triggered, menu, [checks, checked, changed] {
        const TShownColumns shown = DefaultShownColumns();
        for (int column = kColName + 1; column < kReportColumnCount; ++column)
            (*checks)[column]->setChecked(shown[column]);
        changed(checked());
    });
    return menu;
}

}  // namespace teclarium
