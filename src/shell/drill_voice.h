// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// What the drill says, and the keys of the typing field that ask for more: the word
// spelled (F2), the next key with its finger and row (F3) and the counters (F4). It
// reads the drill and the key display; it changes neither.
#pragma once

#include <QString>
#include <memory>
#include <string>

#include "speech/drill_speech.h"

class QWidget;

namespace teclarium {

class TDrill;
class TKeyDisplay;
class TSpeechOutput;
enum class TSpeechMode;

class TDrillVoice {
  public:
    // window: where the screen reader's notification lives; typingField: the field
    // that takes F2, F3 and F4.
    TDrillVoice(const TDrill& drill, const TKeyDisplay& keys, QWidget* window, QWidget* typingField);
    ~TDrillVoice();

    void SetMode(TSpeechMode mode, int rate);
    TSpeechMode Mode() const;
    int Rate() const;
    // Whether anything is to be said; utterances are made only then.
    bool On() const;
    // A new keyboard: its key names are made anew at their next use.
    void KeyboardChanged();
    // Says text (nothing when empty), cutting short what was being said.
    void Say(const QString& text);

    void SayWord();
    // A key typed: what changed from the drill's state before it.
    void SayKey(const TDrillMoment& before, unsigned char key);
    void SayBaseLetter();
    // A key that types nothing, between a dead key and its letter (2..4 for F2..F4):
    // true when it is done here.
    bool SilentKeyAfterDeadKey(int silentKey);
    void SaySpelledWord();
    void SayNextKey();
    void SayCounters();
    // The keys a course lesson unlocked, with their fingers and rows.
    QString NewKeys(const std::string& chars);

  private:
    const TDrill& FDrill;
    const TKeyDisplay& FKeyDisplay;
    QWidget* FTypingField;
    std::unique_ptr<TSpeechOutput> FSpeech;
};

}  // namespace teclarium
