// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The on-screen keyboard drawn as a heat map of the history: each character key
// coloured by its error rate on a green-to-red scale (blue to red in the colour-blind
// palette), the rate as its tooltip and name, and the scale's legend below the keys.
#pragma once

#include <QWidget>
#include <array>

#include "keyboard/key_chars.h"
#include "progress/weak_chars.h"

namespace teclarium {

class TKeyPanel;

// The colour scale of the heat map, from 0 (good) to 1 (bad), in the standard or the
// colour-blind palette.
QColor ScaleColour(double fraction, bool colourBlind);

class THeatKeyboard : public QWidget {
    Q_OBJECT

  public:
    // fixedMaximum: the red end of the scale, whatever the keys' rates (a rate above
    // it is as red); 0: the highest key error rate.
    THeatKeyboard(const std::array<TKeyHeat, kCharKeyCount + 1>& heat, const TKeyCharsList& keys,
                  bool colourBlind, QWidget* parent, double fixedMaximum = 0);

    // The red end of the scale: fixed, or the highest key error rate (at least 1 %).
    double ScaleMaximum() const { return FMaximum; }
    bool FixedScale() const { return FFixed; }
    // The colour of an error rate on the scale.
    QColor HeatColour(double rate) const;

  private:
    double FMaximum = 1.0;
    bool FFixed = false;
    bool FColourBlind = false;
};

}  // namespace teclarium
