#include "platform/local_socket.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <optional>

namespace teclarium {
namespace {

struct TLocalAddress {
    sockaddr_un FAddress{};
    socklen_t FSize = 0;
};

// A leading zero byte puts the name in the abstract namespace; the size given ends
// the name (no terminating zero, no padding).
std::optional<TLocalAddress> AbstractAddress(std::string_view name) {
    TLocalAddress address;
    if (name.size() + 1 > sizeof address.FAddress.sun_path) return std::nullopt;
    address.FAddress.sun_family = AF_UNIX;
    std::memcpy(address.FAddress.sun_path + 1, name.data(), name.size());
    address.FSize = socklen_t(offsetof(sockaddr_un, sun_path) + 1 + name.size());
    return address;
}

TFileDescriptor NewSocket() {
    return TFileDescriptor(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
}

}  // namespace

TFileDescriptor ListenLocal(std::string_view name) {
    const std::optional<TLocalAddress> address = AbstractAddress(name);
    if (!address) return {};
    TFileDescriptor socket = NewSocket();
    if (!socket.valid() ||
        ::bind(socket.get(), reinterpret_cast<const sockaddr*>(&address->FAddress), address->FSize) != 0 ||
        ::listen(socket.get(), SOMAXCONN) != 0)
        return {};
    return socket;
}

TFileDescriptor ConnectLocal(std::string_view name) {
    const std::optional<TLocalAddress> address = AbstractAddress(name);
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
