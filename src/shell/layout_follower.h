// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The keyboard layout the on-screen keyboard shows: the system's active one,
// followed while the program runs, or one chosen by name in the options. It gives
// the key display its key records and says what the keyboard cannot type.
#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "drill/word_list.h"
#include "keyboard/key_chars.h"
#include "platform/xkb/xkb_layout.h"

class QTimer;

namespace teclarium {

class TKeyDisplay;
struct TCourseKeys;

class TLayoutFollower {
  public:
    // keyboardChanged: called after the key display took new key records.
    TLayoutFollower(TKeyDisplay& keys, std::function<void()> keyboardChanged);
    ~TLayoutFollower();

    // The key records of the chosen layout, or of the system's active one, else of
    // the key mapping file; an error (reported) leaves the key display empty.
    void LoadKeyMapping();
    // Derives the keyboard again and shows it (a new choice or a new active layout).
    void ReloadKeymap();
    // The system's layout changed: reloads once its several events have stopped.
    void LayoutChanged();
    void SetKeyboardChoice(const std::string& choice);
    const std::string& KeyboardChoice() const { return FKeyboardChoice; }
    // The Catalan name of the layout the keyboard shows.
    QString KeyboardName() const;
    // The keyboard shown, for the course.
    TCourseKeys CourseKeys() const;
    // Says once, by name, each character of the words that the keyboard cannot type.
    void SayUntypable(const TWordList& words);
    // A lesson's words without those the keyboard cannot type; false (with a note)
    // when none is left.
    bool LeaveOutUntypable(std::vector<std::string>& words);

  private:
    // nullopt where the key mapping file gives the records (the Spanish layout, or no X11).
    std::optional<TKeyCharsList> DerivedKeyChars();

    TKeyDisplay& FKeyDisplay;
    std::function<void()> FKeyboardChanged;
    // The kept keyboard choice (empty: the system's), and the layout shown.
    std::string FKeyboardChoice;
    TXkbLayoutName FKeyboardLayout{"es", ""};
    std::unique_ptr<QTimer> FLayoutTimer;  // gathers a layout change's several events
    std::string FSaidUntypable;            // the characters said so, for the keyboard shown
};

}  // namespace teclarium
