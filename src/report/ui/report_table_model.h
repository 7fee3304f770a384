// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The group report's table as a model: the rows' texts kept once, shown by the
// view only as far as they are on screen, and sorted by a proxy that keeps the
// class's median row last and empty cells after every value, in either order.
#pragma once

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <optional>
#include <vector>

#include "report/report_table.h"

namespace teclarium {

class TReportTableModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    // What a cell sorts by (a double, a string, or nothing: after every value), and
    // on the cells of the median row, true.
    static constexpr int SortRole = Qt::UserRole;
    static constexpr int PinnedRole = Qt::UserRole + 2;
    // The trend's figures (a TTrend), on the cells that have them.
    static constexpr int TrendRole = Qt::UserRole + 3;

    using QAbstractTableModel::QAbstractTableModel;

    // No row.
    void Clear();
    // The next learners' rows (row i: learner i) with the tooltips of their names
    // (the file), added in turn so that a school's rows never keep the window waiting.
    void AddRows(std::vector<TReportRow>::iterator first, std::vector<TReportRow>::iterator last,
                 std::vector<QString>::iterator firstTip);
    // The median row, after the learners' rows.
    void SetMedian(TReportRow median);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The learner of a row of the model; none for the median row.
    std::optional<std::size_t> LearnerAt(int row) const;
    // A row of the model, the median row last.
    const TReportRow& Row(int row) const;

  private:
    std::vector<TReportRow> FRows;
    std::vector<QString> FNameTips;
    std::optional<TReportRow> FMedian;
};

class TReportSortProxy : public QSortFilterProxyModel {
    Q_OBJECT

  public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    // Which learners' rows show (row i: learner i); the median row always shows.
    // Empty: every row.
    void SetShown(std::vector<bool> shown);

  protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override;

  private:
    std::vector<bool> FShown;
};

}  // namespace teclarium

Q_DECLARE_METATYPE(teclarium::TTrend)
