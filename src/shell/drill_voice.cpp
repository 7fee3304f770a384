// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "shell/drill_voice.h"

#include <QAction>
#include <QApplication>
#include <QWidget>

#include "drill/drill.h"
#include "keyboard/key_display.h"
#include "shell/speech_output.h"

namespace teclarium {

TDrillVoice::TDrillVoice(const TDrill& drill, const TKeyDisplay& keys, QWidget* window, QWidget* typingField)
    : FDrill(drill),
      FKeyDisplay(keys),
      FTypingField(typingField),
      FSpeech(std::make_unique<TSpeechOutput>(window)) {
    const auto key = [this](const char* name, Qt::Key shortcut, void (TDrillVoice::*handler)()) {
        auto* action = new QAction(FTypingField);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(QKeySequence(shortcut));
        // Only while typing: elsewhere the keys keep their usual work.
        action->setShortcutContext(Qt::WidgetShortcut);
        FTypingField->addAction(action);
        QObject::connect(action, &QAction::triggered, action, [this, handler] { (this->*handler)(); });
    };
    key("A_SpellWord", Qt::Key_F2, &TDrillVoice::SaySpelledWord);
    key("A_NextKey", Qt::Key_F3, &TDrillVoice::SayNextKey);
    key("A_Counters", Qt::Key_F4, &TDrillVoice::SayCounters);
}

TDrillVoice::~TDrillVoice() = default;

void TDrillVoice::SetMode(TSpeechMode mode, int rate) {
    FSpeech->SetMode(mode, rate);
}
TSpeechMode TDrillVoice::Mode() const {
    return FSpeech->Mode();
}
int TDrillVoice::Rate() const {
    return FSpeech->Rate();
}
bool TDrillVoice::On() const {
    return FSpeech->On();
}
void TDrillVoice::KeyboardChanged() {
    FSpeech->KeyboardChanged();
}
void TDrillVoice::Say(const QString& text) {
    FSpeech->Say(text);
}

bool TDrillVoice::SilentKeyAfterDeadKey(int silentKey) {
    // Between a dead key and its letter, a key that types nothing is done here, so that
    // the input method keeps the dead key: F2, F3 and F4 say what they say, a cursor or
    // another function key does nothing in the field. F1 goes on: its help leaves the field.
    if (QApplication::focusWidget() != FTypingField || silentKey == 1) return false;
    if (silentKey == 2) SaySpelledWord();
    if (silentKey == 3) SayNextKey();
    if (silentKey == 4) SayCounters();
    return true;
}

void TDrillVoice::SayWord() {
    if (!FSpeech->On() || !FDrill.DrillRunning()) return;
    FSpeech->Say(WordUtterance(FSpeech->Keys(FKeyDisplay.KeyCharsList()), FDrill.CurrentWord()));
}

void TDrillVoice::SayKey(const TDrillMoment& before, unsigned char key) {
    FSpeech->Say(KeyUtterance(FSpeech->Keys(FKeyDisplay.KeyCharsList()), before, key, DrillMoment(FDrill)));
}

void TDrillVoice::SayBaseLetter() {
    // The dead key is down: the base letter is said when it takes more than one key.
    if (!FSpeech->On() || !FKeyDisplay.BaseLetterShown()) return;
    const TKeySpeech& keys = FSpeech->Keys(FKeyDisplay.KeyCharsList());
    if (keys.TakesSeveralKeys(FKeyDisplay.KeyToShow())) FSpeech->Say(keys.Strokes(FKeyDisplay.KeyToShow()));
}

void TDrillVoice::SaySpelledWord() {
    if (FDrill.DrillRunning()) FSpeech->Say(SpelledWord(FDrill.CurrentWord()));
}

void TDrillVoice::SayNextKey() {
    FSpeech->Say(NextKeyUtterance(FSpeech->Keys(FKeyDisplay.KeyCharsList()), DrillMoment(FDrill),
                                  FKeyDisplay.BaseLetterShown()));
}

void TDrillVoice::SayCounters() {
    if (FDrill.DrillRunning()) FSpeech->Say(CountersUtterance(FDrill.ShownCount(), FDrill.ShownErrors()));
}

QString TDrillVoice::NewKeys(const std::string& chars) {
    return NewKeysUtterance(FSpeech->Keys(FKeyDisplay.KeyCharsList()), chars);
}

}  // namespace teclarium
