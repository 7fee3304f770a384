// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "keyboard/keyboard_geometry.h"

#include <algorithm>

namespace teclarium {

int RoundHalfEven(int numerator, int denominator) {
    const int quotient = numerator / denominator;
    const int twiceRest = 2 * (numerator % denominator);
    if (twiceRest > denominator || (twiceRest == denominator && quotient % 2 != 0)) return quotient + 1;
    return quotient;
}

TKeyMeasures KeyMeasures(std::uint8_t fontSize) {
    TKeyMeasures m;
    m.K = static_cast<std::uint8_t>(2 * fontSize - fontSize / 3);
    m.G = static_cast<std::uint8_t>(m.K / 4);
    m.B = static_cast<std::uint8_t>(m.K / 8 + m.G % 2);
    return m;
}

namespace {

// The running position of the layout and the steps that advance it.
class TKeyPlacer {
  public:
    TKeyPlacer(TKeyboardGeometry& g, TKeyMeasures m) : FGeometry(g), FK(m.K), FG(m.G), FB(m.B) {}

    void PlaceKey(int key) {
        FGeometry.Keys[key] = {X, Y, FK, FK};
        PlaceKeyFrame(key);
        X += FK + FG;
    }
    void PlaceKeys(int first, int last) {
        for (int key = first; key <= last; ++key) PlaceKey(key);
    }
    // The frame reaches B pixels left of and above the key, B + 1 right and below.
    void PlaceKeyFrame(int key) {
        const TBox& p = FGeometry.Keys[key];
        FGeometry.Frames[key] = {X - FB, Y - FB, p.Width + 2 * FB + 1, p.Height + 2 * FB + 1};
    }

    int X = 0;
    int Y = 0;

  private:
    TKeyboardGeometry& FGeometry;
    const int FK, FG, FB;
};

}  // namespace

TKeyboardGeometry KeyboardGeometry(std::uint8_t fontSize, bool separated) {
    TKeyboardGeometry g;
    const TKeyMeasures m = KeyMeasures(fontSize);
    const int K = m.K, G = m.G;
    g.KeyFontSize = fontSize;
    TKeyPlacer place(g, m);

    place.X = G;
    place.Y = separated ? 2 * K : G;
    place.PlaceKeys(kKeyRows[0].First, kKeyRows[0].Last);
    place.PlaceKey(kBackspaceKey);

    place.Y += K + G;
    place.X = K / 3 + K + 2 * G;
    place.PlaceKeys(kKeyRows[1].First, kKeyRows[1].Last);

    place.Y += K + G;
    place.X = G;
    g.CapsLockFontSize = RoundHalfEven(fontSize * 7, 10);
    g.Keys[kCapsLockKey] = {place.X, place.Y, K + 2 * (K / 3), K};
    place.PlaceKeyFrame(kCapsLockKey);
    place.X += g.Keys[kCapsLockKey].Width + G;
    place.PlaceKeys(kKeyRows[2].First, kKeyRows[2].Last);

    place.Y += K + G;
    place.X = G;
    place.PlaceKey(kLeftShiftKey);
    place.X = K + 2 * G;
    place.PlaceKeys(kKeyRows[3].First, kKeyRows[3].Last);
    place.PlaceKey(kRightShiftKey);

    place.Y += K + G;
    constexpr int kVKey = 42;  // the space bar starts under V
    g.SpaceBar = {g.Keys[kVKey].Left, place.Y, 3 * K + 2 * G, K / 2};
    g.AltGr = {g.SpaceBar.Left + g.SpaceBar.Width + G, place.Y, K + K / 3, K / 2};
    g.AltGrFontSize = fontSize / 2;

    g.Width = g.Keys[kBackspaceKey].Left + K + G;
    g.Height = g.AltGr.Top + K / 2 + G;
    return g;
}

TWindowArrangement ArrangeWindowGeometry(bool showKeyboard, int pw, int ph, int vw, int vh) {
    TWindowArrangement a;
    if (!showKeyboard) {
        a.ClientWidth = pw;
        a.ClientHeight = ph;
        return a;
    }
    a.KeyboardShown = true;
    a.ClientWidth = std::max(vw, pw);
    a.ClientHeight = vh + ph;
    a.KeyboardTop = ph;
    if (pw < vw) {
        // 0.9·vw compared exactly, then rounded.
        if (10 * pw >= 9 * vw)
            a.PanelLeft = vw - pw;
        else
            a.PanelLeft = vw - pw - (RoundHalfEven(9 * vw, 10) - pw) / 2;
    } else if (3 * pw > 4 * vw) {
        // The keyboard is narrower than 0.75·pw: centred in that width.
        a.KeyboardLeft = (RoundHalfEven(3 * pw, 4) - vw) / 2;
    }
    return a;
}

int TypingMargin(std::uint8_t es) {
    return std::max(2, es / 6);
}

int CountFontSize(std::uint8_t es) {
    return RoundHalfEven(es * 7, 10);
}

TTypingAreaLayout TypingAreaGeometry(const TTypingAreaMeasures& m) {
    TTypingAreaLayout t;
    t.Margin = TypingMargin(m.Es);
    t.ToWriteTop = t.Margin;
    t.CountTop = t.ToWriteTop + m.ToWriteHeight - m.CountHeight;
    t.EditTop = m.ToWriteHeight + 2 * t.Margin;
    t.EditWidth = RoundHalfEven(m.EditHeight * 9, 2);
    t.IncorrectKeyTop = t.EditTop + (m.EditHeight - m.IncorrectKeyHeight) / 2;
    t.ToNextWriteLeft = m.EditLeft + t.EditWidth + t.Margin;
    t.TypeEscTop = t.EditTop + m.EditHeight - m.TypeEscHeight;
    t.TypeEscLeft = t.ToNextWriteLeft + m.ToNextWriteWidth + t.Margin;
    t.PlayTop = t.EditTop + m.EditHeight - m.PlayHeight;
    // Wide enough for the next word and for the Escape hint beside the field.
    t.PanelWidth = std::max({m.MinPanelWidth, t.ToNextWriteLeft + t.EditWidth + t.Margin,
                             t.TypeEscLeft + m.TypeEscWidth + t.Margin});
    return t;
}

int TypingPanelHeight(int playTop, bool optionsShown, int optionsHeight) {
    return optionsShown ? optionsHeight + playTop + 35 : playTop + 33;
}

}  // namespace teclarium
