// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// Sizes and places of the on-screen keyboard's parts, all derived from the keyboard
// font size; the window arrangement of the upper panel and the keyboard; the
// arithmetic of the typing area. Pure arithmetic, in pixels and points.
#pragma once

#include <array>
#include <cstdint>

#include "keyboard/key_table.h"

namespace teclarium {

// Nearest integer to numerator / denominator (both positive), halves to even.
int RoundHalfEven(int numerator, int denominator);

// Key side K, gap G and frame border B, in 8-bit arithmetic.
struct TKeyMeasures {
    std::uint8_t K = 0;
    std::uint8_t G = 0;
    std::uint8_t B = 0;
};
TKeyMeasures KeyMeasures(std::uint8_t fontSize);

struct TBox {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    bool operator==(const TBox&) const = default;
};

struct TKeyboardGeometry {
    std::array<TBox, kKeyCount + 1> Keys{};    // key panels by key number; index 0 unused
    std::array<TBox, kKeyCount + 1> Frames{};  // the zone frames behind them
    TBox SpaceBar;
    TBox AltGr;
    int KeyFontSize = 0;
    int CapsLockFontSize = 0;
    int AltGrFontSize = 0;
    int Width = 0;  // of the keyboard panel
    int Height = 0;
};
// separated: the first row starts 2·K down instead of G.
TKeyboardGeometry KeyboardGeometry(std::uint8_t fontSize, bool separated);

// Where the upper panel (width pw, height ph) and the keyboard (vw, vh) go, and the
// window's client size. The upper panel's top is always 0.
struct TWindowArrangement {
    int ClientWidth = 0;
    int ClientHeight = 0;
    int PanelLeft = 0;
    int KeyboardLeft = 0;
    int KeyboardTop = 0;
    bool KeyboardShown = false;
    bool operator==(const TWindowArrangement&) const = default;
};
TWindowArrangement ArrangeWindowGeometry(bool showKeyboard, int pw, int ph, int vw, int vh);

// Typing area, from the typing font size es and the heights of the controls
// measured in their new fonts.
int TypingMargin(std::uint8_t es);
int CountFontSize(std::uint8_t es);
struct TTypingAreaMeasures {
    std::uint8_t Es = 14;
    int ToWriteHeight = 0;
    int CountHeight = 0;
    int EditHeight = 0;
    int IncorrectKeyHeight = 0;
    int TypeEscWidth = 0;
    int TypeEscHeight = 0;
    int PlayHeight = 0;
    int EditLeft = 0;
    int ToNextWriteWidth = 0;
    int MinPanelWidth = 0;
};
struct TTypingAreaLayout {
    int Margin = 0;
    int ToWriteTop = 0;  // also the next word's top
    int CountTop = 0;    // also the error count's top
    int EditTop = 0;
    int EditWidth = 0;
    int IncorrectKeyTop = 0;
    int ToNextWriteLeft = 0;  // also the wrong key's left
    int TypeEscTop = 0;
    int TypeEscLeft = 0;
    int PlayTop = 0;  // also the hide button's top
    int PanelWidth = 0;
};
TTypingAreaLayout TypingAreaGeometry(const TTypingAreaMeasures& m);
// Height of the upper panel holding the options (when shown) and the typing area.
int TypingPanelHeight(int playTop, bool optionsShown, int optionsHeight);

}  // namespace teclarium
