// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// What the typing field hands on to the one who drills (the main window): every
// key-down and every typed character, in the order they come.
#pragma once

namespace teclarium {

class TTypingHost {
  public:
    virtual ~TTypingHost() = default;
    // A key went down (its virtual-key code, 0 for a commit that stands in for a
    // key-down); key := 0 swallows the key, so that it types no character.
    virtual void EditKeyDown(int& key) = 0;
    // A typed character, as Windows-1252 (kUnknownChar for one it cannot hold).
    virtual void EditKeyPress(unsigned char& key) = 0;
};

}  // namespace teclarium
