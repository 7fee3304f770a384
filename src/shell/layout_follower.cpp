// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "shell/layout_follower.h"

#include <QStringList>
#include <QTimer>
#include <algorithm>

#include "course/ui/course_window.h"
#include "keyboard/key_display.h"
#include "keyboard/key_mapping.h"
#include "keyboard/keyboard_texts.h"
#include "keyboard/layout_keymap.h"
#include "keyboard/layout_names.h"
#include "platform/ui/active_layout.h"
#include "platform/xkb/xkb_descriptions.h"
#include "speech/char_names.h"
#include "util/app_error.h"
#include "util/codec.h"
#include "util/files.h"
#include "util/messages.h"
#include "util/ui/message_boxes.h"

namespace teclarium {
namespace {

// A layout change comes as several X events (a new keymap, its map, the names):
// the keyboard is derived again once they have stopped for this long.
constexpr int kLayoutSettleMs = 50;

}  // namespace

TLayoutFollower::TLayoutFollower(TKeyDisplay& keys, std::function<void()> keyboardChanged)
    : FKeyDisplay(keys), FKeyboardChanged(std::move(keyboardChanged)) {}

TLayoutFollower::~TLayoutFollower() = default;

std::optional<TKeyCharsList> TLayoutFollower::DerivedKeyChars() {
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

void TLayoutFollower::LoadKeyMapping() {
    FKeyDisplay.SetKeyCharsList({});
    if (std::optional<TKeyCharsList> derived = DerivedKeyChars()) {
        FKeyDisplay.SetKeyCharsList(std::move(*derived));
        return;
    }
    if (!FileExists(kKeyMappingFileName)) {
        ErrorBox(Format(kMsgFileNotFound, kKeyMappingFileName));
        return;
    }
    try {
        FKeyDisplay.SetKeyCharsList(ReadKeyMapping(ReadWholeFile(kKeyMappingFileName, kKeyMappingMaxBytes)));
    } catch (const TAppError& e) {
        // Unreadable: reported, and the window closes itself as with no file.
        GeneralErrorReport(e.what());
    }
}

void TLayoutFollower::ReloadKeymap() {
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
    FKeyboardChanged();
}

void TLayoutFollower::LayoutChanged() {
    if (!FLayoutTimer) {
        FLayoutTimer = std::make_unique<QTimer>();
        FLayoutTimer->setSingleShot(true);
        QObject::connect(FLayoutTimer.get(), &QTimer::timeout, FLayoutTimer.get(),
                         [this] { ReloadKeymap(); });
    }
    FLayoutTimer->start(kLayoutSettleMs);
}

void TLayoutFollower::SetKeyboardChoice(const std::string& choice) {
    const std::string valid = ParseLayoutChoice(choice) ? choice : std::string();
    if (valid == FKeyboardChoice) return;
    FKeyboardChoice = valid;
    ReloadKeymap();
}

QString TLayoutFollower::KeyboardName() const {
    return LayoutDisplayName(FKeyboardLayout, XkbLayoutDescription(FKeyboardLayout, kLayoutNamesLanguage));
}

TCourseKeys TLayoutFollower::CourseKeys() const {
    return {FKeyDisplay.KeyCharsList(), IsKeyMappingFileLayout(FKeyboardLayout), KeyboardName()};
}

void TLayoutFollower::SayUntypable(const TWordList& words) {
    const std::string chars = UntypableChars(FKeyDisplay.KeyCharsList(), words, FSaidUntypable);
    if (chars.empty()) return;
    FSaidUntypable += chars;
    QStringList names;
    for (unsigned char c : chars) names << CharName(c);
    WarningBox(FromUtf8(kMsgUntypable).arg(KeyboardName(), names.join(QStringLiteral(", "))).toStdString());
}

bool TLayoutFollower::LeaveOutUntypable(std::vector<std::string>& words) {
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
