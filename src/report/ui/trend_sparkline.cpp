// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "report/ui/trend_sparkline.h"

#include <QPainterPath>
#include <algorithm>

namespace teclarium {
namespace {

const QColor kBarColour(0xC8, 0xC8, 0xC8);
const QColor kSpeedColour(0x20, 0x60, 0xB0);

}  // namespace

void PaintTrend(QPainter& painter, const QRectF& rect, const TTrend& trend) {
    const double topMinutes = *std::max_element(trend.Minutes.begin(), trend.Minutes.end());
    double topSpeed = 0;
    for (const auto& speed : trend.Speed) topSpeed = std::max(topSpeed, speed.value_or(0));
    const qreal step = rect.width() / static_cast<qreal>(kTrendWeeks);
    const qreal dot = std::max<qreal>(1, std::min(step, rect.height()) / 8);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath line;
    for (std::size_t week = 0; week < kTrendWeeks; ++week) {
        const qreal left = rect.left() + step * static_cast<qreal>(week);
        if (topMinutes > 0 && trend.Minutes[week] > 0) {
            const qreal height = rect.height() * trend.Minutes[week] / topMinutes;
            painter.fillRect(QRectF(left + step * 0.15, rect.bottom() - height, step * 0.7, height),
                             kBarColour);
        }
        if (!trend.Speed[week] || topSpeed <= 0) continue;
        // The line keeps clear of the edges so that its dots show whole.
        const QPointF at(left + step / 2,
                         rect.bottom() - dot - (rect.height() - 2 * dot) * *trend.Speed[week] / topSpeed);
        if (line.elementCount() == 0)
            line.moveTo(at);
        else
            line.lineTo(at);
        painter.setPen(Qt::NoPen);
        painter.setBrush(kSpeedColour);
        painter.drawEllipse(at, dot, dot);
    }
    painter.setPen(QPen(kSpeedColour, dot / 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(line);
    painter.restore();
}

void TTrendDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                           const QModelIndex& index) const {
    const QVariant trend = index.data(TReportTableModel::TrendRole);
    if (!trend.isValid()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    // The selection and the focus as for any cell, without the text.
    QStyleOptionViewItem plain = option;
    initStyleOption(&plain, index);
    plain.text.clear();
    option.widget->style()->drawControl(QStyle::CE_ItemViewItem, &plain, painter, option.widget);
    PaintTrend(*painter, QRectF(option.rect).adjusted(3, 3, -3, -3), trend.value<TTrend>());
}

QSize TTrendDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const QSize text = QStyledItemDelegate::sizeHint(option, index);
    return index.data(TReportTableModel::TrendRole).isValid() ? QSize(Width, text.height()) : text;
}

}  // namespace teclarium
