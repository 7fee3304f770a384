#include "speech/voice/own_voice.h"

#include <libspeechd.h>

namespace teclarium {
namespace {

// Speaks through speech-dispatcher with its text priority, under which a new
// utterance cuts the one being said. (Qt Text to Speech 6.4 cancels the previous one
// itself before each new one, and its client then waited for ever now and then.)
class TOwnVoice : public TVoice {
  public:
    explicit TOwnVoice(SPDConnection* connection) : FConnection(connection) {
        spd_set_language(FConnection, "ca");
    }
    ~TOwnVoice() override { spd_close(FConnection); }
    void Say(const QString& text) override { spd_say(FConnection, SPD_TEXT, text.toUtf8().constData()); }
    void SetRate(int rate) override { spd_set_voice_rate(FConnection, rate * 10); }

  private:
    SPDConnection* FConnection;
};

}  // namespace

extern "C" __attribute__((visibility("default"))) TVoice* TeclariumOpenVoice() {
    // Single mode: no thread of its own, no notifications; the server is started
    // when it does not run yet.
    SPDConnection* connection = spd_open("Teclarium", "main", nullptr, SPD_MODE_SINGLE);
    return connection ? new TOwnVoice(connection) : nullptr;
}

}  // namespace teclarium
