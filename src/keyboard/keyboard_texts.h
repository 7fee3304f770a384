// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The keyboard's own texts: the layouts' Catalan names and what is said about the
// characters a layout cannot type.
#pragma once

namespace teclarium {

inline constexpr const char* kLayoutSpanish = "Espanyol";
inline constexpr const char* kLayoutCatalanSpanish = "Espanyol (català)";
inline constexpr const char* kLayoutFrench = "Francès";
inline constexpr const char* kLayoutItalian = "Italià";
inline constexpr const char* kLayoutUsIntl = "Anglès EUA internacional";
inline constexpr const char* kLayoutLatinAmerican = "Espanyol llatinoamericà";
inline constexpr const char* kLayoutPortuguese = "Portuguès";

// The language of the layouts' names in the keyboard data's catalogues.
inline constexpr const char* kLayoutNamesLanguage = "ca";

// The options' choice of keyboard.
inline constexpr const char* kKeyboardChoiceLabel = "Teclat:";
inline constexpr const char* kSystemKeyboard = "el del sistema";
// Beside the choice when the desktop's layout is known; %1: its name.
inline constexpr const char* kKeyboardFollowsDesktop =
    "L'escriptori escriu amb el teclat %1: el teclat de la pantalla mostra sempre les tecles que escriuen de "
    "debò. El teclat triat es mostra quan no se sap amb quin escriu l'escriptori.";

// %1: the layout's name; %2: the characters, each by name.
inline constexpr const char* kMsgUntypable = "El teclat %1 no pot escriure: %2.";
// A course lesson whose words all hold such characters; %1: the layout's name.
inline constexpr const char* kMsgLessonUntypable =
    "El teclat %1 no pot escriure cap paraula d'aquesta lliçó: se salta. Podeu passar a la tecla següent.";

}  // namespace teclarium
