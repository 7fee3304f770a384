// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// Where the running program lies on disk.
#pragma once

#include <string>

namespace teclarium {

// The program's folder with a trailing path delimiter and the bare name of its file
// as stored on disk. Both empty when the program's file cannot be found.
void GetProgramLocation(std::string& folder, std::string& bareName);
std::string ProgramFolder();

}  // namespace teclarium
