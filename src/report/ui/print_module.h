// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// Printing the group report through its loadable module, which alone links Qt
// Print Support: the program loads it when the report is first printed.
#pragma once

#include <QString>
#include <string>

class QWidget;

namespace teclarium {

struct TReportPrintout;

inline constexpr const char* kPrintModuleName = "libteclarium_print.so";

// The module beside the program, else the installed one (../lib/teclarium beside bin/).
std::string PrintModulePath();

// Shows the print dialog and prints the report on the printer chosen. Returns a
// TPrintOutcome; for kPrintToFile the file the dialog chose is in pdfFile, not
// written yet. When the module cannot be loaded, says so and returns kPrintCancelled.
int PrintReport(const std::string& modulePath, TReportPrintout& printout, QWidget* parent, QString& pdfFile);

}  // namespace teclarium
