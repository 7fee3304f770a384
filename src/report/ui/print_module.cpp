// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "report/ui/print_module.h"

#include <QFile>
#include <QLibrary>

#include "report/print/report_print.h"
#include "report/report_texts.h"
#include "report/ui/report_document.h"
#include "settings/load_save.h"
#include "util/program_location.h"
#include "util/ui/message_boxes.h"
#include "util/ui/modal.h"

namespace teclarium {
namespace {

void PaintPrintout(QPagedPaintDevice& device, void* printout) {
    PaintReport(device, *static_cast<const TReportPrintout*>(printout));
}

}  // namespace

std::string PrintModulePath() {
    return ModuleFolder(ProgramFolder(), kPrintModuleName) + kPrintModuleName;
}

int PrintReport(const std::string& modulePath, TReportPrintout& printout, QWidget* parent, QString& pdfFile) {
    // Loaded once per process and never unloaded, as the chart's module.
    QLibrary module(QFile::decodeName(modulePath.c_str()));
    const auto print = reinterpret_cast<decltype(&TeclariumPrintReport)>(module.resolve(kPrintReportEntry));
    if (!print) {
        ErrorBox(std::string(kMsgPrintUnavailable));
        return kPrintCancelled;
    }
    // The texts are literals, so their views end in a null.
    const TPrintJob job{kReportTitle.data(), kPrintDialogTitle.data(), &RunModal, &PaintPrintout, &printout};
    return print(&job, parent, &pdfFile);
}

}  // namespace teclarium
