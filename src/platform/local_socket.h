// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// Local stream sockets bound to a path. Every descriptor is non-blocking and closed
// on exec.
#pragma once

#include <string_view>

#include "util/file_descriptor.h"

namespace teclarium {

// Any path that the system takes names a socket: one too long for a socket's
// address is reached through its folder.

// A socket listening at path; invalid when the path exists.
TFileDescriptor ListenLocal(std::string_view path);
// A connection to the socket listening at path; invalid when none listens there or
// its queue is full.
TFileDescriptor ConnectLocal(std::string_view path);
// The next connection waiting on a listening socket; invalid when there is none,
// errno then being EAGAIN, or when accepting fails.
TFileDescriptor AcceptLocal(int listener);
// Whether the process at the other end runs as this user.
bool PeerIsSameUser(int socket);

}  // namespace teclarium
