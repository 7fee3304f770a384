// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The printed group report: on every page its title and the date range; the table
// as the window shows it, its header row again on every page and no row split
// between pages; each learner's keys per minute by day as a small chart under
// their name, all on one scale (days above it marked) with the class's median
// drawn on each; the class's error rate per key. For a printer or as a PDF file
// (A4, landscape). Every text is drawn as plain text. Painting needs no widget:
// it may run off the window's thread.
#pragma once

#include <QImage>
#include <QPagedPaintDevice>
#include <atomic>
#include <optional>
#include <string>
#include <vector>

#include "progress/history_file.h"
#include "report/report_columns.h"
#include "report/report_table.h"

class QWidget;

namespace teclarium {

struct TReportChart {
    std::string Name;  // UTF-8
    std::vector<TDayProgress> Days;
};

struct TReportPrintout {
    std::string Range;                            // the range in words (UTF-8)
    std::string Made;                             // the day it was made, as shown
    std::string Notes;                            // below the title on the first page (UTF-8); may be empty
    std::vector<TReportRow> Rows;                 // in the order shown
    TShownColumns Shown = DefaultShownColumns();  // the columns the window shows
    std::vector<TReportChart> Charts;             // the learners with drills in the range, in the same order
    std::optional<double> MedianSpeed;            // the class's median keys per minute, drawn on every chart
    QImage HeatMap;  // the class heat map as the window shows it; null: no such page
};

// One learner's page, for the learner or the family: their figures as the table
// shows them, their chart on the class's scale.
struct TLearnerPrintout {
    std::string Range;
    std::string Made;
    TReportRow Row;  // the learner's row of the table
    std::vector<TDayProgress> Days;
    double ScaleTop = 1;                // the class's charts' scale
    std::optional<double> MedianSpeed;  // the class's median keys per minute
};

// The class's pages, then every learner's page, in the table's order.
struct TAllPagesPrintout {
    TReportPrintout Class;
    std::vector<TLearnerPrintout> Learners;
};

// The heat map as the window draws it, as an image sharp enough for paper.
QImage HeatMapImage(const QWidget& heat);

// Paints the report onto the device's pages, from its first.
void PaintReport(QPagedPaintDevice& device, const TReportPrintout& printout);
// Paints the class's pages (landscape) and then each learner's page (portrait),
// counting the learners' pages in done; stops before the next page once stop is
// set, and then returns false.
bool PaintAllPages(QPagedPaintDevice& device, const TAllPagesPrintout& printout, std::atomic<int>& done,
                   const std::atomic<bool>& stop);
// All of them as the bytes of a PDF file; none when stopped.
std::optional<std::string> AllPagesPdf(const TAllPagesPrintout& printout, std::atomic<int>& done,
                                       const std::atomic<bool>& stop);
// The report as the bytes of a PDF file.
std::string ReportPdf(const TReportPrintout& printout);
// A learner's page as the bytes of a PDF file (A4, portrait).
std::string LearnerPdf(const TLearnerPrintout& printout);

// The top of the common scale of these charts, from their days' typical range.
double ChartTop(const std::vector<TReportChart>& charts);

}  // namespace teclarium
