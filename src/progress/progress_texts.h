// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// Texts of the progress history and its window (UTF-8 in the source; shown through Qt).
#pragma once

#include <string_view>

namespace teclarium {

inline constexpr std::string_view kMsgCannotWriteFile = "No es pot escriure el fitxer %s";
inline constexpr std::string_view kMsgHistoryNewer = "L'historial '%s' és d'una versió més nova";

// Sources of a drill other than a file or a pattern (Windows-1252 bytes: ASCII).
inline constexpr const char* kClipboardSource = "portapapers";
inline constexpr const char* kWeakKeysSource = "tecles febles";

inline constexpr std::string_view kProgressTitle = "Progrés";
inline constexpr std::string_view kProgressNoHistory =
    "Encara no hi ha cap exercici recordat. Feu-ne un fins a l'informe final i aquí en veureu el progrés.";
inline constexpr std::string_view kProgressBadLines =
    "(%d línies del fitxer d'historial no s'han pogut llegir i no es compten)";
inline constexpr std::string_view kProgressDrills = "Exercicis recordats: %d";
inline constexpr std::string_view kSeriesKeysPerMinute = "Tecles/minut";
inline constexpr std::string_view kSeriesWrongPerHundred = "Tecles errades per cada cent";
inline constexpr std::string_view kAxisDate = "Data";
inline constexpr std::string_view kChartTitle = "Velocitat i errades per dia";
inline constexpr std::string_view kChartUnavailable =
    "El gràfic no està disponible: no s'ha pogut carregar el mòdul libteclarium_chart.so.";
inline constexpr std::string_view kHeatTitle = "Errades per tecla";
// Qt's placeholders: the key's characters, the rate, wrong keys, keys typed.
inline constexpr std::string_view kHeatKeyTip = "Tecla %1: %2 % d'errades (%3 de %4)";
inline constexpr std::string_view kHeatKeyNoData = "Tecla %1: encara no s'ha teclejat";
inline constexpr std::string_view kMostMissedTitle = "Els caràcters més errats";
inline constexpr std::string_view kColumnChar = "Caràcter";
inline constexpr std::string_view kColumnWrong = "Errades";
inline constexpr std::string_view kColumnRate = "% errades";
inline constexpr std::string_view kColumnInstead = "Teclejat en lloc seu";
inline constexpr std::string_view kPracticeWeakKeys = "&Practica les tecles febles";
inline constexpr std::string_view kPracticeWeakKeysHint =
    "Cal haver errat almenys tres caràcters diferents per poder-ne fer un exercici.";
inline constexpr std::string_view kClose = "&Tanca";
// The red end of a heat map's fixed scale; Qt's placeholder: the rate.
inline constexpr std::string_view kHeatScaleAtLeast = "%1 o més";

}  // namespace teclarium
