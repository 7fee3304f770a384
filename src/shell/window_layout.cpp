// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The keyboard layout the on-screen keyboard shows: the system's active one,
// followed while the program runs, or one chosen by name in the options.
#include <QStringList>
#include <QTimer>
#include <algorithm>

#include "course/ui/course_window.h"
#include "keyboard/keyboard_texts.h"
#include "keyboard/layout_keymap.h"
#include "keyboard/layout_names.h"
#include "platform/ui/active_layout.h"
#include "platform/xkb/xkb_descriptions.h"
#include "shell/speech_output.h"
#include "shell/typewriting_window.h"
#include "speech/char_names.h"
#include "util/codec.h"
#include "util/ui/message_boxes.h"

namespace teclarium {
namespace {

// A layout change comes as several X events (a new keymap, its map, the names):
// the keyboard is derived again once they have stopped for this long.
constexpr int kLayoutSettleMs = 50;

}  // namespace

std::optional<TKeyCharsList> TFTypewriting::DerivedKeyChars() {
    std::optional<TXkbLayout> layout;
    // What the keys really type wins, so that following the lit keys is never an error:
    // a keyboard chosen by name shows where the desktop's cannot be read.
    const std::optional<TXkbLayoutName> active = ActiveLayoutName();
    if (const std::optional<TXkbLayoutName> chosen = ParseLayoutChoice(FKeyboardChoice); chosen && !active) {
        FKeyboardLayout = *chosen;
        if (IsKeyMappingFileLayout(*chosen)) return std::nullopt;
        layout = XkbLayoutFromNames(*chosen, CharKeyScanCodes());
    } else {
        // Only the names are asked at start on the Spanish layout: the file serves it.
        FKeyboardLayout = active.value_or(TXkbLayoutName{"es", ""});
        if (!active || IsKeyMappingFileLayout(*active)) return std::nullopt;
        layout = ActiveLayout(CharKeyScanCodes());
    }
    if (!layout) {
        FKeyboardLayout = {"es", ""};
        return std::nullopt;
    }
    return KeyCharsOfLayout(*layout);
}

void TFTypewriting::ReloadKeymap() {
    // A new keyboard event also comes when another device types (a second keyboard, a
    // test's XTEST device): a layout that stays leaves the keyboard and what was said alone.
    const TXkbLayoutName before = FKeyboardLayout;
    const bool fromFile = IsKeyMappingFileLayout(before);
    std::optional<TKeyCharsList> derived = DerivedKeyChars();
    const TKeyCharsList& current = FKeyDisplay.KeyCharsList();
    const bool same = derived ? *derived == current && derived->DeadKeys == current.DeadKeys
                              : fromFile && FKeyboardLayout == before && !current.empty();
    if (same) return;
    if (derived)
        FKeyDisplay.SetKeyCharsList(std::move(*derived));
    else
        LoadKeyMapping();
    FSaidUntypable.clear();
    FSpeech->KeyboardChanged();
    if (FCourseWindow) FCourseWindow->SetKeyboard(CourseKeys());
    if (FKeyDisplay.KeyCharsList().empty()) return;
    if (FActivated) NameCharKeys();
    // New key records leave the captions unfilled: the modifiers as they are now fill
    // them, and the key to press next is lit anew.
    AppMessage(FKeyboardState->Read());
    // What the new keys cannot type is said, as when the drill started.
    if (FDrill.DrillRunning()) SayUntypable(FDrill.WordList());
}

void TFTypewriting::LayoutChanged() {
    if (!FLayoutTimer) {
        FLayoutTimer = new QTimer(this);
        FLayoutTimer->setSingleShot(true);
        connect(FLayoutTimer, &QTimer::timeout, this, &TFTypewriting::ReloadKeymap);
    }
    FLayoutTimer->start(kLayoutSettleMs);
}

void TFTypewriting::SetKeyboardChoice(const std::string& choice) {
    const std::string valid = ParseLayoutChoice(choice) ? choice : std::string();
    if (valid == FKeyboardChoice) return;
    FKeyboardChoice = valid;
    ReloadKeymap();
}

QString TFTypewriting::KeyboardName() const {
    return LayoutDisplayName(FKeyboardLayout, XkbLayoutDescription(FKeyboardLayout, kLayoutNamesLanguage));
}

void TFTypewriting::SayUntypable(const TWordList& words) {
    const std::string chars = UntypableChars(FKeyDisplay.KeyCharsList(), words, FSaidUntypable);
    if (chars.empty()) return;
    FSaidUntypable += chars;
    QStringList names;
    for (unsigned char c : chars) names << CharName(c);
    WarningBox(FromUtf8(kMsgUntypable).arg(KeyboardName(), names.join(QStringLiteral(", "))).toStdString());
}

bool TFTypewriting::LeaveOutUntypable(std::vector<std::string>& words) {
    SayUntypable(words);
    const TKeyCharsList& keys = FKeyDisplay.KeyCharsList();
    std::erase_if(words, [&](const std::string& word) {
        return std::any_of(word.begin(), word.end(),
                           [&](char c) { return !CanType(keys, static_cast<unsigned char>(c)); });
    });
    if (!words.empty()) return true;
    ShowMessage(FromUtf8(kMsgLessonUntypable).arg(KeyboardName()).toStdString());
    return false;
}

}  // namespace teclarium
