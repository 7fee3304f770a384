// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// File checks that speak to the user through the standard message boxes.
#pragma once

#include <string>

namespace teclarium {

// True when the file exists; otherwise shows "No s'ha trobat l'arxiu '<name>'".
bool CheckFileExists(const std::string& fileName);
// Offers to make a read-only file writable. True when the file may be written.
bool AskClearReadOnly(const std::string& fileName);

}  // namespace teclarium
