// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The make-shortcut dialog "Creació d'una drecera al programa" and its action:
// a shortcut to the program in the applications menu or on the desktop.
#pragma once

#include <string>

#include "shell/ok_cancel_help_dialog.h"

class QButtonGroup;
class QGroupBox;

namespace teclarium {

inline constexpr int kLinkHelpContext = 1012;
inline constexpr const char* kLinkName = "Teclarium";

class TFMakeLinkProgram : public TFBBOkCnHlp {
    Q_OBJECT

  public:
    explicit TFMakeLinkProgram(int helpContext, QWidget* parent = nullptr);

    // The chosen item of RG_PresetDirs: 0 programs menu, 1 start menu, 2 desktop.
    int ItemIndex() const;
    void SetItemIndex(int index);
    // For a program the menus show already: the menu items disabled, the desktop chosen.
    void OfferDesktopOnly();

    QGroupBox* RG_PresetDirs = nullptr;

  private:
    QButtonGroup* FItems = nullptr;
};

// The menu item's action (also the offer at the first starts): the dialog, then a
// shortcut named linkName to the program file (by default the running program's) in
// the chosen folder. A program installed with its menu entry is offered the desktop
// only, and its shortcut starts the command. Nothing is made on Cancel; a failure is
// reported by the general error report.
void MakeLinkProgram(int helpContext, const std::string& linkName, QWidget* parent = nullptr,
                     const std::string& programFile = {});

}  // namespace teclarium
