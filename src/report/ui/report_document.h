// The printed group report: its title, the date range, the table as the window
// shows it, and each learner's keys per minute over time as a small chart; for a
// printer or as a PDF file (A4, landscape).
#pragma once

#include <QTextDocument>
#include <memory>
#include <string>
#include <vector>

#include "progress/history_file.h"
#include "report/report_table.h"

namespace teclarium {

struct TReportChart {
    std::string Name;  // UTF-8
    std::vector<TDayProgress> Days;
};

struct TReportPrintout {
    std::string Range;                 // the range in words (UTF-8)
    std::string Made;                  // the day it was made, as shown
    std::vector<TReportRow> Rows;      // in the order shown
    std::vector<TReportChart> Charts;  // the learners with drills in the range, in the same order
};

// The report as a text document, laid out for whatever paged device prints it.
std::unique_ptr<QTextDocument> ReportDocument(const TReportPrintout& printout);
// The report as the bytes of a PDF file.
std::string ReportPdf(const TReportPrintout& printout);

}  // namespace teclarium
