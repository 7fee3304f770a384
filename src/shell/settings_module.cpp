// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "shell/settings_module.h"

#include <ctime>

#include "keyboard/key_mapping.h"
#include "util/atomic_write.h"
#include "util/ui/file_prompts.h"

namespace teclarium {

TModIniLS* ModIniLS = nullptr;

// The data folder is the one that holds the key mapping.
TModIniLS::TModIniLS() : FLoadSave(std::make_unique<THlpIniFLoadSave>(kKeyMappingFileName)) {
    DataModuleCreate();
}

TModIniLS::TModIniLS(const std::string& folder, const std::string& programName)
    : FLoadSave(std::make_unique<THlpIniFLoadSave>(folder, programName)) {
    DataModuleCreate();
}

void TModIniLS::DataModuleCreate() {
    SetIniWriteGuard(AskClearReadOnly);
    ModIniLS = this;
    // Writes killed before their rename left their temporary files here.
    if (!FLoadSave->ProgramDir().empty())
        RemoveStaleTemporaryFiles(FLoadSave->ProgramDir(), std::time(nullptr));
}

TModIniLS::~TModIniLS() {
    if (ModIniLS == this) ModIniLS = nullptr;
    SetIniWriteGuard(nullptr);
}

}  // namespace teclarium
