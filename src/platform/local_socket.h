// Stream sockets in Linux's abstract namespace: the address is a name, not a file,
// so nothing is left behind when the owner dies, and one socket at a time holds a
// name. Every descriptor is non-blocking and closed on exec.
#pragma once

#include <string_view>

#include "util/file_descriptor.h"

namespace teclarium {

// A socket listening under name; invalid when the name is taken (or too long).
TFileDescriptor ListenLocal(std::string_view name);
// A connection to the socket listening under name; invalid when none listens there
// or its queue is full.
TFileDescriptor ConnectLocal(std::string_view name);
// The next connection waiting on a listening socket; invalid when there is none,
// errno then being EAGAIN, or when accepting fails.
TFileDescriptor AcceptLocal(int listener);
// Whether the process at the other end runs as this user: an abstract name has no
// owner or permissions, so anyone may take or reach it.
bool PeerIsSameUser(int socket);

}  // namespace teclarium
