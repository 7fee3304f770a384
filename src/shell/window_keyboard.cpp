// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The on-screen keyboard's keys, its mapping file, and its display of the key to
// press and of the modifiers.
#include <QApplication>
#include <QFrame>

#include "keyboard/key_names.h"
#include "keyboard/key_table.h"
#include "keyboard/ui/app_message_hook.h"
#include "keyboard/ui/key_panel.h"
#include "shell/course_link.h"
#include "shell/drill_voice.h"
#include "shell/typewriting_window.h"
#include "util/ui/help.h"

namespace teclarium {
namespace {

constexpr int kHelpTwoHands = 1008;
constexpr int kHelpOneHand = 1009;
constexpr const char* kCapsLockCaption = "B.M.";

QFont KeyFont(const char* family, QFont::StyleHint hint, bool bold) {
    QFont font{QString::fromLatin1(family)};
    font.setStyleHint(hint);
    font.setBold(bold);
    return font;
}

// The key's face and, behind it, the frame that shows its finger zone. The frame has
// no click handler: a click on it opens nothing, not even the keyboard's help.
TKeyControls CreateKey(QWidget* keyboard, const QFont& font) {
    TKeyControls key;
    key.Panel = new TKeyPanel(keyboard);
    key.Panel->setFont(font);
    key.Frame = new QFrame(keyboard);
    key.Frame->setAutoFillBackground(true);
    key.Frame->setAttribute(Qt::WA_NoMousePropagation);
    key.Frame->stackUnder(key.Panel);
    return key;
}

}  // namespace

void TFTypewriting::BuildKeyboard() {
    // The message hook goes in first: it follows the modifiers from the first event on.
    new TAppMessageHook(
        *FKeyboardState,
        {[this](const TModifierState& s) { return AppMessage(s); },
         [this](int virtualKey) { DeadKeyDown(virtualKey); }, [this] { FLayout.LayoutChanged(); },
         [this](int silentKey) { return FVoice->SilentKeyAfterDeadKey(silentKey); }},
        this);
    for (int number = 1; number <= kCharKeyCount; ++number) CreateCharKey(number, kKeyCodes[number]);
    CreateSpecialKey(kCapsLockKey, QString());
    FKeys[kCapsLockKey].Panel->setFont(KeyFont("Arial", QFont::SansSerif, false));
    FKeys[kCapsLockKey].Panel->SetCaption(QString::fromUtf8(kCapsLockCaption));
    CreateSpecialKey(kLeftShiftKey, QString::fromUtf8("⇧"));
    CreateSpecialKey(kRightShiftKey, QString::fromUtf8("⇧"));
    CreateSpecialKey(kBackspaceKey, QString::fromUtf8("←"));
    connect(P_SpaceBar, &TKeyPanel::clicked, this, &TFTypewriting::P_VirtualKeyboardClick);
    connect(P_AltGr, &TKeyPanel::clicked, this, &TFTypewriting::P_VirtualKeyboardClick);
}

void TFTypewriting::CreateCharKey(int number, int code) {
    const QFont font = KeyFont("Courier New", QFont::TypeWriter, true);
    FKeys[number] = CreateKey(P_VirtualKeyboard, font);
    FKeys[number].Panel->setObjectName(QStringLiteral("P_K%1").arg(code));
    connect(FKeys[number].Panel, &TKeyPanel::clicked, this, &TFTypewriting::P_VirtualKeyboardClick);
}

void TFTypewriting::CreateSpecialKey(int number, const QString& caption) {
    // The arrows of the key faces are Unicode characters: a font that has them.
    const QFont font = KeyFont("DejaVu Sans", QFont::SansSerif, false);
    FKeys[number] = CreateKey(P_VirtualKeyboard, font);
    FKeys[number].Panel->SetCaption(caption);
    FKeys[number].Panel->setAccessibleName(SpecialKeyName(number));
    connect(FKeys[number].Panel, &TKeyPanel::clicked, this, &TFTypewriting::P_VirtualKeyboardClick);
}

void TFTypewriting::NameCharKeys() {
    for (const TKeyChars& key : FKeyDisplay.KeyCharsList())
        FKeys[key.KeyNumber].Panel->setAccessibleName(KeyCharsName(key));
}

void TFTypewriting::KeyboardChanged() {
    FVoice->KeyboardChanged();
    FCourse->KeyboardChanged();
    if (FKeyDisplay.KeyCharsList().empty()) return;
    if (FActivated) NameCharKeys();
    // New key records leave the captions unfilled: the modifiers as they are now fill
    // them, and the key to press next is lit anew.
    AppMessage(FKeyboardState->Read());
    // What the new keys cannot type is said, as when the drill started.
    if (FDrill.DrillRunning()) FLayout.SayUntypable(FDrill.WordList());
}

void TFTypewriting::P_VirtualKeyboardClick() {
    ShowHelpContext(FOneHand ? kHelpOneHand : kHelpTwoHands);
}

bool TFTypewriting::AppMessage(const TModifierState& s) {
    if (FKeyDisplay.KeyCharsList().empty()) return false;
    const bool handled =
        FKeyDisplay.AppMessage(s.CapsLockOn, s.ShiftDown, s.CtrlDown, [this] { FDrill.RefreshKeyDisplay(); });
    if (handled) ShowKeyDisplay();
    return handled;
}

void TFTypewriting::ShowKeyDisplay() {
    const TKeyDisplay& d = FKeyDisplay;
    const TKeyCharsList& keys = d.KeyCharsList();
    TLitKeys lit{-1,           d.BackspaceLit(),    d.LeftShiftLit(), d.RightShiftLit(),
                 d.AltGrLit(), FDrill.SpaceBarLit()};
    for (std::size_t i = 0; i < keys.size(); ++i) {
        TKeyPanel* panel = FKeys[keys[i].KeyNumber].Panel;
        panel->SetCharacter(d.Caption(i));
        panel->SetLit(d.KeyLit(i));
        if (d.KeyLit(i)) lit.Entry = static_cast<int>(i);
    }
    FKeys[kBackspaceKey].Panel->SetLit(d.BackspaceLit());
    FKeys[kLeftShiftKey].Panel->SetLit(d.LeftShiftLit());
    FKeys[kRightShiftKey].Panel->SetLit(d.RightShiftLit());
    P_AltGr->SetLit(d.AltGrLit());
    P_SpaceBar->SetLit(FDrill.SpaceBarLit());
    FKeys[kCapsLockKey].Panel->SetEmphasis(d.CapsLockOn());
    // Screen readers hear the next key through the keyboard's name, told only when it changes.
    if (lit == FShown.LitKeys) return;
    FShown.LitKeys = lit;
    P_VirtualKeyboard->setAccessibleName(NextKeyName(keys, lit));
}

}  // namespace teclarium
