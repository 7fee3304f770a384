// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The group report window's class report saved: as CSV, as grades for Moodle, as
// PDF, or printed.
#include <QTableView>

#include "progress/ui/heat_keyboard.h"
#include "report/report_csv.h"
#include "report/report_texts.h"
#include "report/ui/group_report_window.h"
#include "report/ui/print_module.h"
#include "report/ui/report_document.h"
#include "report/ui/report_table_model.h"
#include "util/codec.h"
#include "util/files.h"
#include "util/messages.h"
#include "util/ui/file_dialog.h"
#include "util/ui/message_boxes.h"
#include "util/ui/pdf_page.h"

namespace teclarium {

std::string TFGroupReport::AskSaveFile(std::string_view title, const QStringList& filters,
                                       const QString& suffix, int* filter) {
    return AskSaveFileName(this, FromUtf8(title), filters, suffix, FLastFolder, filter);
}

void TFGroupReport::BB_SaveCsvClick() {
    int filter = 0;
    const std::string path = AskSaveFile(kCsvDialogTitle,
                                         {FromUtf8(kCsvLearnersFilter), FromUtf8(kCsvDrillsFilter),
                                          FromUtf8(kCsvLearnersPointFilter), FromUtf8(kCsvDrillsPointFilter)},
                                         QStringLiteral("csv"), &filter);
    if (path.empty()) return;
    WriteWholeFile(path, ReportCsv(FReport, FFigures, LearnerOrder(), Range(),
                                   filter % 2 == 1 ? TCsvRows::Drills : TCsvRows::Learners,
                                   filter >= 2 ? TCsvNumbers::Point : TCsvNumbers::Catalan));
}

void TFGroupReport::BB_ExportMoodleClick() {
    const std::vector<std::size_t> order = LearnerOrder();
    if (std::none_of(order.begin(), order.end(), [this](std::size_t i) { return FReport.GoalsOf(i); })) {
        ShowMessage(std::string(kMsgMoodleNoGoals));
        return;
    }
    const std::string path =
        AskSaveFile(kMoodleDialogTitle, {FromUtf8(kMoodleFilter)}, QStringLiteral("csv"));
    if (!path.empty()) WriteWholeFile(path, MoodleCsv(FReport, FFigures, order));
}

TReportPrintout TFGroupReport::Printout() const {
    TReportPrintout printout;
    printout.Range = RangeText(Range());
    printout.Made = DayText(Today());
    printout.Notes = NotHistoriesText(FReport);
    std::vector<double> speeds;
    for (std::size_t i = 0; i < FFigures.size(); ++i)
        if (Shown(i) && FFigures[i].Drills > 0) speeds.push_back(FFigures[i].Whole.KeysPerMinute());
    printout.MedianSpeed = Median(std::move(speeds));
    if (P_ClassHeat) printout.HeatMap = HeatMapImage(*P_ClassHeat);
    for (int column = 0; column < kReportColumnCount; ++column)
        printout.Shown[column] = !TW_Learners->isColumnHidden(column);
    for (int row = 0; row < FSorted->rowCount(); ++row) {
        printout.Rows.push_back(FModel->Row(FSorted->mapToSource(FSorted->index(row, 0)).row()));
        const std::optional<std::size_t> learner = LearnerAt(row);
        if (learner && FFigures[*learner].Drills > 0)
            printout.Charts.push_back({FReport.ShownName(*learner),
                                       RangeDays(FReport.Learners()[*learner].Summary, FFiguresRange)});
    }
    return printout;
}

void TFGroupReport::BB_SavePdfClick() {
    const std::string path = AskSaveFile(kPdfDialogTitle, {FromUtf8(kPdfFilter)}, QStringLiteral("pdf"));
    if (!path.empty()) WriteWholeFile(path, ReportPdf(Printout()));
}

void TFGroupReport::BB_PrintClick() {
    const TReportPrintout printout = Printout();
    // Printed to a file, the report is written as "Desa com a PDF..." writes it.
    PrintPages(
        {kReportTitle, kPrintDialogTitle, [&](QPagedPaintDevice& device) { PaintReport(device, printout); }},
        this, [&](const std::string& path) { WriteWholeFile(path, ReportPdf(printout)); });
}

}  // namespace teclarium
