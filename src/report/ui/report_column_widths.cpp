// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "report/ui/report_column_widths.h"

#include <QHeaderView>
#include <QTableView>
#include <algorithm>

#include "report/report_table.h"

namespace teclarium {

void FitReportColumns(QTableView& table) {
    QHeaderView* header = table.horizontalHeader();
    header->setSortIndicatorShown(false);
    table.resizeColumnsToContents();
    header->setSortIndicatorShown(true);
    table.resizeColumnToContents(header->sortIndicatorSection());
    for (const auto& [column, widest] :
         {std::pair{kColNotes, 200}, std::pair{kColMissed, 180}, std::pair{kColClassGoals, 180}})
        table.setColumnWidth(column, std::min(table.columnWidth(column), widest));
}

}  // namespace teclarium
