// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// This program's about box: its notices, written as an HTML file to the settings
// folder each time the box opens and shown from that file.
#pragma once

#include "shell/about_box.h"

namespace teclarium {

inline constexpr const char* kAboutFileName = "Referència.html";

class TBoxRefTW : public TBoxRefRichE0 {
    Q_OBJECT

  public:
    // settingsDir ends with a path delimiter. A file that cannot be written or read
    // back gets the general error report and leaves the panel empty.
    TBoxRefTW(const std::string& settingsDir, const std::string& programName, QWidget* parent = nullptr);
};

}  // namespace teclarium
