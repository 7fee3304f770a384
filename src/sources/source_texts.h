// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// Texts of the exercise sources (UTF-8 in the source; shown through Qt).
#pragma once

#include <string_view>

namespace teclarium {

inline constexpr std::string_view kPatternFileName = "CharsToType.txt";
inline constexpr std::string_view kMsgBadPattern = "Patró incorrecte a la línia %d de %s:\r\n";
inline constexpr std::string_view kReasonEmptyLine = "línia buida";
inline constexpr std::string_view kReasonNoChars = "no hi ha caràcters assignats";
inline constexpr std::string_view kReasonTooFewChars = "ha d'haver-hi un mínim de 3 caràcters assignats";
inline constexpr std::string_view kReasonSpace = "no hi pot haver-hi l'espai";

inline constexpr std::string_view kMsgChoosePattern = "Heu d'escollir un patró de paraules";
inline constexpr std::string_view kMsgLoadExerciseFirst = "Primer heu de carregar un exercici";
inline constexpr std::string_view kMsgNoExerciseWords = "No hi ha cap paraula o cap d'adequada en l'exercici";
inline constexpr std::string_view kMsgTcmNameNotStorable =
    "El nom de l'arxiu '%s' conté un salt de línia i no es pot desar a la configuració: l'exercici es fa "
    "igualment, però no es recordarà en tornar a obrir el programa";
inline constexpr std::string_view kMsgExerciseTooManyWords =
    "L'exercici %s és massa llarg: amb les repeticions de línia serien %d paraules, i no en pot tenir més de "
    "%d";
inline constexpr std::string_view kMsgClipboardTooManyWords =
    "El text del portapapers és massa llarg: amb les repeticions de línia serien %d paraules, i no en pot "
    "tenir més de %d";
// %s the character, then the file.
inline constexpr std::string_view kMsgExerciseCharNotAnsi =
    "El caràcter «%s» de l'exercici %s no existeix en Windows-1252, la codificació del programa: les "
    "paraules "
    "que el tenen no es fan";
inline constexpr std::string_view kMsgClipboardCharNotAnsi =
    "El caràcter «%s» del portapapers no existeix en Windows-1252, la codificació del programa: les paraules "
    "que el tenen no es fan";
inline constexpr std::string_view kMsgNoClipboardWords = "No hi ha cap paraula adequada en el portapapers";

// The exercise file dialog.
inline constexpr std::string_view kTcmFilter = "Arxius de teclarium (*.tcm)";
inline constexpr std::string_view kTcmSuffix = "tcm";
inline constexpr std::string_view kTcmDialogTitle = "Obre";

}  // namespace teclarium
