// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// Printing the group report, built in its own loadable module (libteclarium_print.so)
// so that only printing loads Qt Print Support (and the printing system's library
// it brings). The module holds Qt code only: the program hands it the way it runs
// dialogs and the painting of the report, and writes a PDF file itself.
#pragma once

class QDialog;
class QPagedPaintDevice;
class QString;
class QWidget;

namespace teclarium {

struct TPrintJob {
    const char* DocumentName;           // UTF-8: the name the print queue shows
    const char* DialogTitle;            // UTF-8
    int (*RunDialog)(QDialog& dialog);  // the program's way of running a modal dialog
    // Paints the report onto the printer's pages.
    void (*Paint)(QPagedPaintDevice& device, void* context);
    void* Context;  // handed to Paint
};

enum TPrintOutcome : int {
    kPrintCancelled = 0,
    kPrinted = 1,
    kPrintFailed = 2,  // the printer reported an error
    kPrintToFile = 3,  // the dialog chose a PDF file: its name is in pdfFile, nothing was written
};

// The module's one entry, resolved by this name.
inline constexpr const char* kPrintReportEntry = "TeclariumPrintReport";

extern "C" {
// Shows the print dialog (A4 landscape to start with) and prints on the printer
// chosen; when the dialog chose to print to a file, only names that file.
int TeclariumPrintReport(const TPrintJob* job, QWidget* parent, QString* pdfFile);
}

}  // namespace teclarium
