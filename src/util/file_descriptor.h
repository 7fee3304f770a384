// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// A file or socket descriptor, closed with its owner however the code using it ends.
#pragma once

#include <unistd.h>

#include <utility>

namespace teclarium {

class TFileDescriptor {
  public:
    TFileDescriptor() = default;
    explicit TFileDescriptor(int fd) : FFd(fd) {}
    TFileDescriptor(TFileDescriptor&& other) noexcept : FFd(std::exchange(other.FFd, -1)) {}
    TFileDescriptor& operator=(TFileDescriptor&& other) noexcept {
        if (this != &other) {
            Close();
            FFd = std::exchange(other.FFd, -1);
        }
        return *this;
    }
    ~TFileDescriptor() { Close(); }
    TFileDescriptor(const TFileDescriptor&) = delete;
    TFileDescriptor& operator=(const TFileDescriptor&) = delete;

    int get() const { return FFd; }
    bool valid() const { return FFd >= 0; }

  private:
    // Never retried on EINTR: Linux has released the descriptor either way.
    void Close() {
        if (FFd >= 0) ::close(FFd);
    }

    int FFd = -1;
};

}  // namespace teclarium
