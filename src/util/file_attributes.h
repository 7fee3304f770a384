// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The read-only attribute of a file (the owner's write permission) and whether a
// file lies on a read-only medium (a read-only mounted file system, as a CD).
#pragma once

#include <string>

namespace teclarium {

// True when the file exists and its owner may not write it.
bool IsReadOnly(const std::string& fileName);
// Gives the owner write permission, keeping the other permissions; no message.
// True when the file is writable afterwards (or does not exist).
bool ClearReadOnly(const std::string& fileName);
// True when the path (or, for a file not yet made, its folder) lies on a
// file system mounted read-only.
bool IsOnCdDrive(const std::string& path);

// What AskClearReadOnly must do with a file: nothing (the file may be written),
// warn that it cannot be changed, or ask whether to clear the attribute. Text is the
// message to show (UTF-8), empty for Allow.
enum class TReadOnlyAction { Allow, RefuseOnCd, AskConfirm };
struct TReadOnlyDecision {
    TReadOnlyAction Action = TReadOnlyAction::Allow;
    std::string Text;
};
TReadOnlyDecision DecideClearReadOnly(const std::string& fileName);

}  // namespace teclarium
