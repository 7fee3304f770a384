// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The Catalan phrases the drill speaks (UTF-8), kept together.
#pragma once

namespace teclarium {

inline constexpr const char* kSayShift = "majúscula i ";
inline constexpr const char* kSayAltGr = "AltGr i ";
inline constexpr const char* kSayThen = ", després ";
inline constexpr const char* kSayCapital = " majúscula";
inline constexpr const char* kSayWith = " amb ";
inline constexpr const char* kSayBackspace = "retrocés";
inline constexpr const char* kSaySpace = "espai";
inline constexpr const char* kSayEnter = "retorn";
inline constexpr const char* kSayTab = "tabulador";
inline constexpr const char* kSayUnknownKey = "caràcter desconegut";
inline constexpr const char* kSayError = "error: ";
inline constexpr const char* kSayWanted = "; calia ";
inline constexpr const char* kSayErase = "esborra";
inline constexpr const char* kSayWord = "paraula";
inline constexpr const char* kSayWords = "paraules";
inline constexpr const char* kSayOneError = "error";
inline constexpr const char* kSayErrors = "errors";
inline constexpr const char* kSayNewKey = "Nova tecla: ";

// Fingers, with the hand after them, and rows of the keyboard.
inline constexpr const char* kSayFingers[] = {"índex", "mitjà", "anular", "petit"};
inline constexpr const char* kSayThumb = "polze";
inline constexpr const char* kSayLeft = " esquerre";
inline constexpr const char* kSayRight = " dret";
inline constexpr const char* kSayRows[] = {"fila dels números", "fila de dalt", "fila del mig",
                                           "fila de baix"};

}  // namespace teclarium
