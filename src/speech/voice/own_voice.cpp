#include "speech/voice/own_voice.h"

#include <QLocale>
#include <QTextToSpeech>

namespace teclarium {
namespace {

class TOwnVoice : public TVoice {
  public:
    explicit TOwnVoice(const QString& engine) : FSpeech(engine) {
        FSpeech.setLocale(QLocale(QLocale::Catalan, QLocale::Spain));
    }
    bool Usable() const { return FSpeech.state() != QTextToSpeech::Error; }
    void Say(const QString& text) override {
        FSpeech.stop();
        FSpeech.say(text);
    }
    void SetRate(int rate) override { FSpeech.setRate(rate / 10.0); }

  private:
    QTextToSpeech FSpeech;
};

}  // namespace

extern "C" __attribute__((visibility("default"))) TVoice* TeclariumOpenVoice() {
    // speech-dispatcher where its plug-in is installed, else Qt's first engine.
    const QStringList engines = QTextToSpeech::availableEngines();
    const QString engine =
        engines.contains(QStringLiteral("speechd")) ? QStringLiteral("speechd") : QString();
    auto* voice = new TOwnVoice(engine);
    if (voice->Usable()) return voice;
    delete voice;
    return nullptr;
}

}  // namespace teclarium
