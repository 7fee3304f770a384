// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The group report's columns as wide as their cells and titles need.
#pragma once

class QTableView;

namespace teclarium {

// Each column as wide as its cells and its title, but the notes, the weak keys and
// the class goals at most a few hundred pixels (a long text shows whole in its
// tooltip). Qt keeps room for the sort mark in every title, as wide as the title is
// high: here only the sorted column keeps it, so that the table fits a narrower window.
void FitReportColumns(QTableView& table);

}  // namespace teclarium
