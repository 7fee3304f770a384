// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "report/print/report_print.h"

#include <QPrintDialog>
#include <QPrinter>

namespace teclarium {

extern "C" __attribute__((visibility("default"))) int TeclariumPrintReport(const TPrintJob* job,
                                                                           QWidget* parent,
                                                                           QString* pdfFile) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QString::fromUtf8(job->DocumentName));
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QString::fromUtf8(job->DialogTitle));
    if (job->RunDialog(dialog) != QDialog::Accepted) return kPrintCancelled;
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        *pdfFile = printer.outputFileName();
        return kPrintToFile;
    }
    job->Paint(printer, job->Context);
    return printer.printerState() == QPrinter::Error ? kPrintFailed : kPrinted;
}

}  // namespace teclarium
