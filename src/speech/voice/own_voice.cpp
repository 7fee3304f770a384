// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "speech/voice/own_voice.h"

#include <libspeechd.h>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

namespace teclarium {
namespace {

// What the window hands the speaking thread: the latest words (older ones not yet
// said are dropped) and the rate.
struct TVoiceState {
    std::mutex Lock;
    std::condition_variable Wake;
    std::optional<std::string> Text;
    std::optional<int> Rate;
    bool Stop = false;
};

// Speaks through speech-dispatcher with its text priority, under which a new
// utterance cuts the one being said. (Qt Text to Speech 6.4 cancels the previous one
// itself before each new one, and its client then waited for ever now and then.) The
// client waits for the server's answer to each message, so it runs on a thread of its
// own: a server that stalls (its sound output broken) never stops the window.
class TOwnVoice : public TVoice {
  public:
    explicit TOwnVoice(SPDConnection* connection) : FState(std::make_shared<TVoiceState>()) {
        std::thread([state = FState, connection] { Speak(*state, connection); }).detach();
    }
    ~TOwnVoice() override {
        // The thread closes the connection and ends; stuck in a stalled server, it ends
        // with the program.
        Change([](TVoiceState& s) { s.Stop = true; });
    }
    void Say(const QString& text) override {
        std::string utf8 = text.toUtf8().toStdString();
        Change([&](TVoiceState& s) { s.Text = std::move(utf8); });
    }
    void SetRate(int rate) override {
        Change([rate](TVoiceState& s) { s.Rate = rate * 10; });
    }

  private:
    template <typename F>
    void Change(F&& change) {
        {
            const std::lock_guard<std::mutex> lock(FState->Lock);
            change(*FState);
        }
        FState->Wake.notify_one();
    }
    static void Speak(TVoiceState& state, SPDConnection* connection) {
        spd_set_language(connection, "ca");
        for (;;) {
            std::optional<std::string> text;
            std::optional<int> rate;
            {
                std::unique_lock<std::mutex> lock(state.Lock);
                state.Wake.wait(lock, [&] { return state.Stop || state.Text || state.Rate; });
                if (state.Stop) break;
                text.swap(state.Text);
                rate.swap(state.Rate);
            }
            if (rate) spd_set_voice_rate(connection, *rate);
            if (text) spd_say(connection, SPD_TEXT, text->c_str());
        }
        spd_close(connection);
    }

    std::shared_ptr<TVoiceState> FState;
};

}  // namespace

extern "C" __attribute__((visibility("default"))) TVoice* TeclariumOpenVoice() {
    // Single mode: no thread of the library's own, no notifications; the server is
    // started when it does not run yet.
    SPDConnection* connection = spd_open("Teclarium", "main", nullptr, SPD_MODE_SINGLE);
    return connection ? new TOwnVoice(connection) : nullptr;
}

}  // namespace teclarium
