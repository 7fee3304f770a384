// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The weekly trend drawn small: each week's minutes of practice as a grey bar and
// its keys per minute as a blue line with a dot a week, each on the learner's own
// scale (its highest week at the top). Painting needs no widget: the printed
// report draws it too. In the table, a delegate draws it in the trend's column.
#pragma once

#include <QPainter>
#include <QStyledItemDelegate>

#include "report/ui/report_table_model.h"

namespace teclarium {

void PaintTrend(QPainter& painter, const QRectF& rect, const TTrend& trend);

class TTrendDelegate : public QStyledItemDelegate {
    Q_OBJECT

  public:
    static constexpr int Width = 90;  // pixels

    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace teclarium
