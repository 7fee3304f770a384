// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "report/ui/report_table_model.h"

#include <QFont>

#include "util/codec.h"
#include "util/ui/plain_text.h"

namespace teclarium {
namespace {

// A column's title on at most three lines, as narrow as that allows (broken at
// spaces), so that the columns of figures stay narrow.
QString HeaderLines(std::string_view title) {
    const QStringList words = FromUtf8(title).split(QLatin1Char(' '));
    qsizetype width = 0;
    for (const QString& word : words) width = std::max(width, word.size());
    for (;; ++width) {
        QStringList lines;
        for (const QString& word : words) {
            if (!lines.isEmpty() && lines.last().size() + 1 + word.size() <= width)
                lines.last() += QLatin1Char(' ') + word;
            else
                lines << word;
        }
        if (lines.size() <= 3) return lines.join(QLatin1Char('\n'));
    }
}

}  // namespace

void TReportTableModel::Clear() {
    beginResetModel();
    FRows.clear();
    FNameTips.clear();
    FMedian.reset();
    endResetModel();
}

void TReportTableModel::AddRows(std::vector<TReportRow>::iterator first,
                                std::vector<TReportRow>::iterator last,
                                std::vector<QString>::iterator firstTip) {
    if (first == last) return;
    const int from = static_cast<int>(FRows.size());
    beginInsertRows({}, from, from + static_cast<int>(last - first) - 1);
    FRows.insert(FRows.end(), std::make_move_iterator(first), std::make_move_iterator(last));
    FNameTips.insert(FNameTips.end(), std::make_move_iterator(firstTip),
                     std::make_move_iterator(firstTip + (last - first)));
    endInsertRows();
}

void TReportTableModel::SetMedian(TReportRow median) {
    const int row = static_cast<int>(FRows.size());
    beginInsertRows({}, row, row);
    FMedian = std::move(median);
    endInsertRows();
}

int TReportTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(FRows.size() + (FMedian ? 1 : 0));
}

int TReportTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kReportColumnCount;
}

const TReportRow& TReportTableModel::Row(int row) const {
    return static_cast<std::size_t>(row) < FRows.size() ? FRows[static_cast<std::size_t>(row)] : *FMedian;
}

std::optional<std::size_t> TReportTableModel::LearnerAt(int row) const {
    if (row < 0 || static_cast<std::size_t>(row) >= FRows.size()) return std::nullopt;
    return static_cast<std::size_t>(row);
}

QVariant TReportTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const int column = index.column();
    const TReportCell& cell = Row(index.row())[static_cast<std::size_t>(column)];
    const bool learner = LearnerAt(index.row()).has_value();
    switch (role) {
        case Qt::DisplayRole:
            return QString::fromStdString(cell.Short.empty() ? cell.Text : cell.Short);
        case Qt::AccessibleTextRole:
            // A screen reader says a short cell whole.
            return cell.Short.empty() ? QVariant() : QString::fromStdString(cell.Text);
        case Qt::TextAlignmentRole:
            return IsTextColumn(column) ? QVariant() : QVariant(Qt::AlignRight | Qt::AlignVCenter);
        case Qt::FontRole:
            if (learner) return {};
            {
                QFont font;
                font.setBold(true);
                return font;
            }
        case Qt::ToolTipRole:
            // The name's file; a long text whole; the trend's figures.
            if (learner && column == kColName) return FNameTips[static_cast<std::size_t>(index.row())];
            if ((IsTextColumn(column) && column != kColName) || cell.Trend)
                return PlainTextTip(QString::fromStdString(cell.Text));
            return {};
        case SortRole:
            if (cell.Number) return *cell.Number;
            if (IsTextColumn(column) && !cell.Text.empty()) return QString::fromStdString(cell.Text);
            return {};
        case PinnedRole:
            return !learner;
        case TrendRole:
            return cell.Trend ? QVariant::fromValue(*cell.Trend) : QVariant();
        default:
            return {};
    }
}

QVariant TReportTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kReportColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole) return HeaderLines(kReportHeaders[static_cast<std::size_t>(section)]);
    // The class goals' letters and marks explained.
    if (role == Qt::ToolTipRole && section == kColClassGoals) return PlainTextTip(FromUtf8(kGoalsLegend));
    return QAbstractTableModel::headerData(section, orientation, role);
}

void TReportSortProxy::SetShown(std::vector<bool> shown) {
    FShown = std::move(shown);
    invalidateRowsFilter();
}

bool TReportSortProxy::filterAcceptsRow(int row, const QModelIndex&) const {
    return static_cast<std::size_t>(row) >= FShown.size() || FShown[static_cast<std::size_t>(row)];
}

bool TReportSortProxy::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    const QVariant mine = left.data(TReportTableModel::SortRole),
                   theirs = right.data(TReportTableModel::SortRole);
    // The median row, then empty cells, come after every value in either order:
    // a descending column is sorted by this order reversed.
    const bool descending = sortOrder() == Qt::DescendingOrder;
    const bool minePinned = left.data(TReportTableModel::PinnedRole).toBool();
    const bool theirsPinned = right.data(TReportTableModel::PinnedRole).toBool();
    if (minePinned || theirsPinned)
        return descending ? minePinned && !theirsPinned : theirsPinned && !minePinned;
    if (!mine.isValid() || !theirs.isValid())
        return descending ? !mine.isValid() && theirs.isValid() : mine.isValid() && !theirs.isValid();
    if (mine.typeId() == QMetaType::Double) return mine.toDouble() < theirs.toDouble();
    return QString::localeAwareCompare(mine.toString(), theirs.toString()) < 0;
}

}  // namespace teclarium
