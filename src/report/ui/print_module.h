// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// Printing the group report through its loadable module, which alone links Qt
// Print Support: the program loads it when the report is first printed.
#pragma once

#include <QString>
#include <functional>
#include <string>
#include <string_view>

class QPagedPaintDevice;
class QWidget;

namespace teclarium {

// What is printed: its name in the print queue and the print dialog's title (both
// literals), and its painting.
struct TPrintPages {
    std::string_view Name;
    std::string_view DialogTitle;
    std::function<void(QPagedPaintDevice&)> Paint;
};

inline constexpr const char* kPrintModuleName = "libteclarium_print.so";

// The module beside the program, else the installed one (../lib/teclarium beside bin/).
std::string PrintModulePath();

// Shows the print dialog and prints the pages on the printer chosen. Returns a
// TPrintOutcome; for kPrintToFile the file the dialog chose is in pdfFile, not
// written yet. When the module cannot be loaded, says so and returns kPrintCancelled.
int PrintReport(const std::string& modulePath, const TPrintPages& pages, QWidget* parent, QString& pdfFile);

// Prints the pages through the module beside the program; printed to a file, they
// are written there by writeFile, as saving them writes them. A failure is said.
void PrintPages(const TPrintPages& pages, QWidget* parent,
                const std::function<void(const std::string& path)>& writeFile);

}  // namespace teclarium
