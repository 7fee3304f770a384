// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The program's own voice, built in its own loadable module (libteclarium_voice.so,
// speech-dispatcher's client) so that only choosing the own voice loads it: start-up
// stays as it was. The module holds no code of the program's but this.
#pragma once

#include <QString>

namespace teclarium {

class TVoice {
  public:
    virtual ~TVoice() = default;
    // Says text, cutting short whatever is being said.
    virtual void Say(const QString& text) = 0;
    // rate: -10 (slowest) to 10 (fastest), 0 the voice's own.
    virtual void SetRate(int rate) = 0;
};

inline constexpr const char* kVoiceModuleName = "libteclarium_voice.so";
// The module's one entry, resolved by this name.
inline constexpr const char* kOpenVoiceEntry = "TeclariumOpenVoice";

extern "C" {
// The speech server's Catalan voice (espeak-ng's where it is the server's engine);
// null when no speech server can be reached.
TVoice* TeclariumOpenVoice();
}

}  // namespace teclarium
