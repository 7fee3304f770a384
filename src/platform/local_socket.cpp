// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "platform/local_socket.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <optional>
#include <string>

namespace teclarium {
namespace {

struct TLocalAddress {
    sockaddr_un FAddress{};
    socklen_t FSize = 0;
    TFileDescriptor FFolder;  // the folder that a short path leads through, open while it is used
};

bool SetPath(TLocalAddress& address, std::string_view path) {
    if (path.empty() || path.size() + 1 > sizeof address.FAddress.sun_path) return false;
    address.FAddress.sun_family = AF_UNIX;
    std::memcpy(address.FAddress.sun_path, path.data(), path.size());
    address.FSize = socklen_t(offsetof(sockaddr_un, sun_path) + path.size() + 1);
    return true;
}

// A path with its terminating zero; none when it holds a zero or leads nowhere. A
// path too long for an address (a long home folder) is reached through the
// process's descriptor of its folder: the socket still lies in that folder.
std::optional<TLocalAddress> PathAddress(std::string_view path) {
    TLocalAddress address;
    if (path.find('\0') != std::string_view::npos) return std::nullopt;
    if (SetPath(address, path)) return address;
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string_view::npos || slash == 0) return std::nullopt;
    address.FFolder =
        TFileDescriptor(::open(std::string(path.substr(0, slash)).c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!address.FFolder.valid() ||
        !SetPath(address,
                 "/proc/self/fd/" + std::to_string(address.FFolder.get()) + std::string(path.substr(slash))))
        return std::nullopt;
    return address;
}

TFileDescriptor NewSocket() {
    return TFileDescriptor(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
}

}  // namespace

TFileDescriptor ListenLocal(std::string_view path) {
    const std::optional<TLocalAddress> address = PathAddress(path);
    if (!address) return {};
    TFileDescriptor socket = NewSocket();
    if (!socket.valid() ||
        ::bind(socket.get(), reinterpret_cast<const sockaddr*>(&address->FAddress), address->FSize) != 0 ||
        ::listen(socket.get(), SOMAXCONN) != 0)
        return {};
    return socket;
}

TFileDescriptor ConnectLocal(std::string_view path) {
    const std::optional<TLocalAddress> address = PathAddress(path);
    if (!address) return {};
    TFileDescriptor socket = NewSocket();
    if (!socket.valid()) return {};
    // A local connect never waits: it is made, refused, or finds the queue full.
    int result;
    do
        result =
            ::connect(socket.get(), reinterpret_cast<const sockaddr*>(&address->FAddress), address->FSize);
    while (result != 0 && errno == EINTR);
    if (result != 0) return {};
    return socket;
}

TFileDescriptor AcceptLocal(int listener) {
    for (;;) {
        const int socket = ::accept4(listener, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (socket >= 0) return TFileDescriptor(socket);
        // Interrupted, or the connection went away before it was taken: take the next.
        if (errno != EINTR && errno != ECONNABORTED) return {};
    }
}

bool PeerIsSameUser(int socket) {
    ucred peer{};
    socklen_t size = sizeof peer;
    return ::getsockopt(socket, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && size == sizeof peer &&
           peer.uid == ::getuid();
}

}  // namespace teclarium
