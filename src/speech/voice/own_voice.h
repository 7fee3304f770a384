// The program's own voice, built in its own loadable module (libteclarium_voice.so,
// Qt Text to Speech through speech-dispatcher) so that only choosing the own voice
// loads it: start-up stays as it was. The module holds Qt code only.
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
// A Catalan voice where the speech server has one, else its default voice; null
// when no speech engine can be had.
TVoice* TeclariumOpenVoice();
}

}  // namespace teclarium
