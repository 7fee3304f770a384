// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The group report window's learners' pages: one learner's, or every learner's
// after the class's pages, made on the window's own threads.
#include <QTableView>
#include <QtConcurrent/QtConcurrentRun>

#include "report/report_texts.h"
#include "report/ui/group_report_window.h"
#include "report/ui/print_module.h"
#include "report/ui/report_document.h"
#include "report/ui/report_table_model.h"
#include "util/codec.h"
#include "util/files.h"
#include "util/ui/message_boxes.h"
#include "util/ui/pdf_page.h"

namespace teclarium {

TLearnerPrintout TFGroupReport::LearnerPrintout(int row, const TReportPrintout& whole) const {
    const std::optional<std::size_t> learner = LearnerAt(row);
    const TReportRow& cells = whole.Rows[static_cast<std::size_t>(row)];
    TLearnerPrintout printout{whole.Range, whole.Made, cells, {}, ChartTop(whole.Charts), whole.MedianSpeed};
    if (learner) printout.Days = RangeDays(FReport.Learners()[*learner].Summary, FFiguresRange);
    return printout;
}

void TFGroupReport::MI_SaveLearnerClick() {
    const int row = TW_Learners->currentIndex().row();
    if (row < 0 || !LearnerAt(row)) return;
    const TLearnerPrintout printout = LearnerPrintout(row, Printout());
    const std::string path =
        AskSaveFile(kLearnerPdfDialogTitle, {FromUtf8(kPdfFilter)}, QStringLiteral("pdf"));
    if (!path.empty()) WriteWholeFile(path, LearnerPdf(printout));
}

void TFGroupReport::MI_SaveCertificateClick() {
    const std::optional<std::size_t> learner = LearnerAt(TW_Learners->currentIndex().row());
    if (!learner || !FSaveCertificate) return;
    const std::string name = FReport.ShownName(*learner);
    if (!FSaveCertificate(this, FReport.Learners()[*learner].File, name, FLastFolder))
        WarningBox(FromUtf8(kMsgNoCertificate).arg(QString::fromStdString(name)).toStdString());
}

TAllPagesPrintout TFGroupReport::AllPagesPrintout() const {
    TAllPagesPrintout printout{Printout(), {}};
    for (int row = 0; row < FSorted->rowCount(); ++row)
        if (LearnerAt(row)) printout.Learners.push_back(LearnerPrintout(row, printout.Class));
    return printout;
}

void TFGroupReport::PaintAllInBackground(QPagedPaintDevice& device, const TAllPagesPrintout& printout) {
    std::atomic<int> done = 0;
    // What has gone to the printer's file goes to the printer when painting ends,
    // and the print system cannot take it back: a print, once begun, is whole.
    const std::atomic<bool> never = false;
    WhileBusy(
        static_cast<int>(printout.Learners.size()), kMakingPages, kMakingProgress,
        [&] { return QtConcurrent::run(&FPool, [&] { PaintAllPages(device, printout, done, never); }); },
        &done, false);
    if (FClosePending) QDialog::reject();
}

void TFGroupReport::WriteAllPagesPdf(const std::string& path, const TAllPagesPrintout& printout) {
    std::atomic<int> done = 0;
    std::optional<std::string> pdf;
    WhileBusy(
        static_cast<int>(printout.Learners.size()), kMakingPages, kMakingProgress,
        [&] { return QtConcurrent::run(&FPool, [&] { pdf = AllPagesPdf(printout, done, FStop); }); }, &done);
    // Stopped, nothing is written.
    if (pdf) WriteWholeFile(path, *pdf);
    if (FClosePending) QDialog::reject();
}

void TFGroupReport::MI_SaveAllPdfClick() {
    const std::string path = AskSaveFile(kAllPdfDialogTitle, {FromUtf8(kPdfFilter)}, QStringLiteral("pdf"));
    if (!path.empty()) WriteAllPagesPdf(path, AllPagesPrintout());
}

void TFGroupReport::MI_PrintAllClick() {
    const TAllPagesPrintout printout = AllPagesPrintout();
    // Printed to a file, the pages are written as "Desa les pàgines..." writes them.
    PrintPages({kReportTitle, kPrintAllDialogTitle,
                [&](QPagedPaintDevice& device) { PaintAllInBackground(device, printout); }},
               this, [&](const std::string& path) { WriteAllPagesPdf(path, printout); });
}

}  // namespace teclarium
