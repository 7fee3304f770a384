// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The settings data module: made before the main window, it works out where the
// settings and help files lie and holds that for the whole run. It also makes the
// settings file's write guard ask the user about a read-only file, and removes the
// temporary files that writes killed before their end left in the settings folder.
#pragma once

#include <memory>
#include <string>

#include "settings/load_save.h"

namespace teclarium {

class TModIniLS {
  public:
    // From the running program's file.
    TModIniLS();
    // Settings in the given folder (ending in a delimiter) under the given name.
    TModIniLS(const std::string& folder, const std::string& programName);
    ~TModIniLS();
    TModIniLS(const TModIniLS&) = delete;
    TModIniLS& operator=(const TModIniLS&) = delete;

    THlpIniFLoadSave& LoadSave() const { return *FLoadSave; }

  private:
    void DataModuleCreate();

    std::unique_ptr<THlpIniFLoadSave> FLoadSave;
};

// The program's one module while it exists.
extern TModIniLS* ModIniLS;

}  // namespace teclarium
