// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The dialog "Opcions inusuals": a centred window on opening, typing with one
// or two hands, and the natural (split) keyboard for two-hand typing.
#pragma once

#include <string>

#include "shell/ok_cancel_help_dialog.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QSpinBox;

namespace teclarium {

class TFUnusualOptions : public TFBBOkCnHlp {
    Q_OBJECT

  public:
    explicit TFUnusualOptions(int helpContext, QWidget* parent = nullptr);

    // Chooses item 1 ("Amb una sola mà") when oneHand, else item 0; the group's rule runs.
    void SetOneHand(bool oneHand);
    bool OneHand() const;

    QCheckBox* CB_CenteredWindow = nullptr;
    QGroupBox* RG_HandsNumber = nullptr;
    QButtonGroup* RG_HandsNumberItems = nullptr;  // ids 0 (two hands) and 1 (one hand)
    QCheckBox* CB_NaturalKeyboard = nullptr;
    // The keyboard's and heat map's colours for colour-blind users.
    QCheckBox* CB_ColourBlind = nullptr;
    // The keyboard shown: the system's (item 0) or a layout by name.
    QComboBox* CB_Keyboard = nullptr;
    // Chooses the kept choice's item (a layout not offered is added by its name).
    void SetKeyboardChoice(const std::string& choice);
    std::string KeyboardChoice() const;
    // How the drill is spoken: ids 0 not at all, 1 through the screen reader, 2 with
    // the program's own voice; and the own voice's rate.
    QGroupBox* RG_Speech = nullptr;
    QButtonGroup* RG_SpeechItems = nullptr;
    QSpinBox* SE_SpeechRate = nullptr;
    void SetSpeech(int mode, int rate);
    int Speech() const;

  private:
    // The natural keyboard is for two hands: one hand unchecks it, and it is
    // usable only while two hands are chosen.
    void RG_HandsNumberClick();
    void CreateSpeechChoice();
};

}  // namespace teclarium
