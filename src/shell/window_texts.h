// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// Texts of the main window.
#pragma once

namespace teclarium {

inline constexpr const char* kTitle = "Teclarium";
inline constexpr const char* kTypeTitle = "Tipus";
inline constexpr const char* kHintCount = "Mostra el nombre de paraules fetes";
inline constexpr const char* kHintErrors = "Mostra el nombre de caràcters equivocats";
// What screen readers say of the controls without a caption of their own.
inline constexpr const char* kNameCount = "Paraules fetes";
inline constexpr const char* kNameErrors = "Caràcters equivocats";
inline constexpr const char* kNameToWrite = "Paraula a escriure";
inline constexpr const char* kNameToNextWrite = "Paraula següent";
inline constexpr const char* kNameIncorrectKey = "Tecla equivocada";
inline constexpr const char* kNameTcmFN = "Arxiu d'exercici";
inline constexpr const char* kNameEdit = "Camp d'escriptura";
inline constexpr const char* kNameHide = "Mostra/amaga el menú i plafó de dalt";
inline constexpr const char* kNameVKFontSize = "Mida del tipus de lletra del teclat";
inline constexpr const char* kNameEditFontSize = "Mida del tipus de lletra de l'escriptura";
// Help contexts of the make-shortcut and the unusual options dialogs.
inline constexpr int kMakeLinkHelpContext = 1012;
inline constexpr int kUnusualOptionsHelpContext = 1013;

}  // namespace teclarium
