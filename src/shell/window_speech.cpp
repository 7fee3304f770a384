// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// What the drill says, and the keys that ask for more.
#include <QAction>
#include <QApplication>

#include "drill/ui/typing_edit.h"
#include "shell/speech_output.h"
#include "shell/typewriting_window.h"
#include "speech/drill_speech.h"

namespace teclarium {

void TFTypewriting::CreateSpeechKeys() {
    FSpeech = std::make_unique<TSpeechOutput>(this);
    const auto key = [this](const char* name, Qt::Key shortcut, void (TFTypewriting::*handler)()) {
        auto* action = new QAction(this);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(QKeySequence(shortcut));
        // Only while typing: elsewhere the keys keep their usual work.
        action->setShortcutContext(Qt::WidgetShortcut);
        Edit->addAction(action);
        connect(action, &QAction::triggered, this, handler);
    };
    key("A_SpellWord", Qt::Key_F2, &TFTypewriting::SaySpelledWord);
    key("A_NextKey", Qt::Key_F3, &TFTypewriting::SayNextKey);
    key("A_Counters", Qt::Key_F4, &TFTypewriting::SayCounters);
}

bool TFTypewriting::SilentKeyAfterDeadKey(int silentKey) {
    // Between a dead key and its letter, a key that types nothing is done here, so that
    // the input method keeps the dead key: F2, F3 and F4 say what they say, a cursor or
    // another function key does nothing in the field. F1 goes on: its help leaves the field.
    if (QApplication::focusWidget() != Edit || silentKey == 1) return false;
    if (silentKey == 2) SaySpelledWord();
    if (silentKey == 3) SayNextKey();
    if (silentKey == 4) SayCounters();
    return true;
}

void TFTypewriting::SayWord() {
    if (!FSpeech->On() || !FDrill.DrillRunning()) return;
    FSpeech->Say(WordUtterance(FSpeech->Keys(FKeyDisplay.KeyCharsList()), FDrill.CurrentWord()));
}

void TFTypewriting::SayKey(const TDrillMoment& before, unsigned char key) {
    FSpeech->Say(KeyUtterance(FSpeech->Keys(FKeyDisplay.KeyCharsList()), before, key, DrillMoment(FDrill)));
}

void TFTypewriting::SayBaseLetter() {
    // The dead key is down: the base letter is said when it takes more than one key.
    if (!FSpeech->On() || !FKeyDisplay.FBaseLetterShown) return;
    const TKeySpeech& keys = FSpeech->Keys(FKeyDisplay.KeyCharsList());
    if (keys.TakesSeveralKeys(FKeyDisplay.FKeyToShow)) FSpeech->Say(keys.Strokes(FKeyDisplay.FKeyToShow));
}

void TFTypewriting::SaySpelledWord() {
    if (FDrill.DrillRunning()) FSpeech->Say(SpelledWord(FDrill.CurrentWord()));
}

void TFTypewriting::SayNextKey() {
    FSpeech->Say(NextKeyUtterance(FSpeech->Keys(FKeyDisplay.KeyCharsList()), DrillMoment(FDrill),
                                  FKeyDisplay.FBaseLetterShown));
}

void TFTypewriting::SayCounters() {
    if (FDrill.DrillRunning()) FSpeech->Say(CountersUtterance(FDrill.ShownCount(), FDrill.ShownErrors()));
}

}  // namespace teclarium
