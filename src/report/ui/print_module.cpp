// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "report/ui/print_module.h"

#include <QFile>
#include <QLibrary>

#include "report/print/report_print.h"
#include "report/report_texts.h"
#include "settings/load_save.h"
#include "util/program_location.h"
#include "util/ui/message_boxes.h"
#include "util/ui/modal.h"

namespace teclarium {
namespace {

void PaintPages(QPagedPaintDevice& device, void* pages) {
    static_cast<const TPrintPages*>(pages)->Paint(device);
}

}  // namespace

std::string PrintModulePath() {
    return ModuleFolder(ProgramFolder(), kPrintModuleName) + kPrintModuleName;
}

int PrintReport(const std::string& modulePath, const TPrintPages& pages, QWidget* parent, QString& pdfFile) {
    // Loaded once per process and never unloaded, as the chart's module.
    QLibrary module(QFile::decodeName(modulePath.c_str()));
    const auto print = reinterpret_cast<decltype(&TeclariumPrintReport)>(module.resolve(kPrintReportEntry));
    if (!print) {
        ErrorBox(std::string(kMsgPrintUnavailable));
        return kPrintCancelled;
    }
    // The texts are literals, so their views end in a null.
    const TPrintJob job{pages.Name.data(), pages.DialogTitle.data(), &RunModal, &PaintPages,
                        const_cast<TPrintPages*>(&pages)};
    return print(&job, parent, &pdfFile);
}

void PrintPages(const TPrintPages& pages, QWidget* parent,
                const std::function<void(const std::string& path)>& writeFile) {
    QString pdfFile;
    const int outcome = PrintReport(PrintModulePath(), pages, parent, pdfFile);
    if (outcome == kPrintToFile && !pdfFile.isEmpty())
        writeFile(QFile::encodeName(pdfFile).toStdString());
    else if (outcome == kPrintFailed)
        ErrorBox(std::string(kMsgPrintFailed));
}

}  // namespace teclarium
