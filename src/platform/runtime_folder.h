// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// A folder that only this user can reach, for the running copy's lock and socket:
// nobody else can create, take or replace a name in it.
#pragma once

#include <string>
#include <vector>

namespace teclarium {

// Whether folder is a real folder (not a link) of this user that no one else may
// enter or write. With create, a missing folder is made with those rights first.
bool IsPrivateFolder(const std::string& folder, bool create);

// A folder where the running copy's lock and socket may lie.
struct TRuntimeFolder {
    std::string Path;
    bool Create = false;  // made when missing
};

// Where to look, best first: the user's runtime folder ($XDG_RUNTIME_DIR, made by
// the system, never here), a folder of this user's own under the temporary folder,
// and one of this computer's under the home folder.
std::vector<TRuntimeFolder> RuntimeFolders();

}  // namespace teclarium
