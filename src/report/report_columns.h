// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// Which of the group report's columns the teacher shows, kept in the settings file
// between sessions: the names of the columns shown, in one key.
#pragma once

#include <array>
#include <string>

#include "report/report_table.h"

namespace teclarium {

class TNewIniFile;

// A key of section "Options" of the user's settings file.
inline constexpr const char* kKeyReportColumns = "ReportColumns";

using TShownColumns = std::array<bool, kReportColumnCount>;

// What shows when the teacher has chosen nothing yet: what a teacher reads most,
// within a window 1,280 pixels wide. The learner's name always shows.
TShownColumns DefaultShownColumns();
// The columns named in the text, separated by commas; names not known are passed
// over. An empty text or a missing key gives the default.
TShownColumns ParseShownColumns(const std::string& text);
std::string ShownColumnsText(const TShownColumns& shown);

TShownColumns ReadShownColumns(const TNewIniFile& file);
// In memory (the caller writes the file).
void WriteShownColumns(TNewIniFile& file, const TShownColumns& shown);

}  // namespace teclarium
