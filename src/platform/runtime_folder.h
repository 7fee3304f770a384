// A folder that only this user can reach, for the running copy's lock and socket:
// nobody else can create, take or replace a name in it.
#pragma once

#include <string>

namespace teclarium {

// Whether folder is a real folder (not a link) of this user that no one else may
// enter or write. With create, a missing folder is made with those rights first.
bool IsPrivateFolder(const std::string& folder, bool create);

// The user's runtime folder ($XDG_RUNTIME_DIR) when it is private, else a folder of
// this user's own under the temporary folder, else one of this computer's under the
// home folder.
std::string RuntimeFolder();

}  // namespace teclarium
