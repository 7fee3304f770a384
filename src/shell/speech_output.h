// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// Says the drill's utterances the way the user chose: through the screen reader or
// with the program's own voice, whose connection opens on a thread of its own as soon
// as the own voice is chosen. A screen reader (Orca) says
// unasked a notification that shows, with its name; it would not say the name or
// description changes of the focused field, which Qt 6.4 reports without their text.
#pragma once

#include <QElapsedTimer>
#include <QFuture>
#include <QPointer>
#include <QString>
#include <memory>
#include <optional>

#include "keyboard/key_chars.h"
#include "speech/key_speech.h"

class QWidget;

namespace teclarium {

class TVoice;

enum class TSpeechMode { Silent = 0, ScreenReader = 1, OwnVoice = 2 };

class TSpeechOutput {
  public:
    // window: where the screen reader's notification lives (unseen).
    explicit TSpeechOutput(QWidget* window);
    ~TSpeechOutput();

    void SetMode(TSpeechMode mode, int rate);
    TSpeechMode Mode() const { return FMode; }
    int Rate() const { return FRate; }
    // Whether anything is to be said: the own voice, or the screen reader while one
    // listens. Utterances are made only then.
    bool On() const;
    // The key names of the key mapping, made at the first use after a new keyboard.
    const TKeySpeech& Keys(const TKeyCharsList& keys);
    // A new keyboard: its key names are made anew at their next use.
    void KeyboardChanged() { FKeys.reset(); }
    // Says text (nothing when empty), cutting short what was being said.
    void Say(const QString& text);

  private:
    // Shows the notification of the text waiting, once the window is active and settled.
    void ShowNotice();

    QPointer<QWidget> FWindow;
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    QPointer<QWidget> FNotice;  // made at the first utterance for the screen reader
#endif
    TSpeechMode FMode = TSpeechMode::ScreenReader;
    int FRate = 0;
    std::optional<TKeySpeech> FKeys;
    std::unique_ptr<TVoice> FVoice;
    QFuture<TVoice*> FVoiceLoading;  // started once, taken at the first word
    bool FVoiceTaken = false;
    QString FNoticeText;             // waiting for the window's activation to settle
    QElapsedTimer FSinceActivation;  // since the window last became active
};

}  // namespace teclarium
