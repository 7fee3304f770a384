// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// Whether an X display answers, tried before Qt opens it (Qt aborts on one that does not).
#pragma once

struct xcb_connection_t;

namespace teclarium {

// The connection stays open until Close (or the end of the object): an X server
// whose last client leaves resets, and a connection opened during the reset (Qt's,
// next) fails. Closed only once Qt holds its own connection, the server keeps a client.
class TXDisplayCheck {
  public:
    TXDisplayCheck() = default;
    TXDisplayCheck(const TXDisplayCheck&) = delete;
    TXDisplayCheck& operator=(const TXDisplayCheck&) = delete;
    ~TXDisplayCheck() { Close(); }

    // name: as in DISPLAY (":0", "host:1.0"). A server met in the middle of a reset
    // (another client's leaving) is tried again for a short time.
    bool Open(const char* name);
    void Close();

  private:
    xcb_connection_t* FConnection = nullptr;
};

}  // namespace teclarium
