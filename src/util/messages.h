// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// Texts of the shared functions (UTF-8 in the source; shown through Qt).
#pragma once

#include <string>
#include <string_view>

namespace teclarium {

inline constexpr std::string_view kMsgCannotOpenFile = "No es pot obrir el fitxer %s";
inline constexpr std::string_view kMsgCannotCreateFile = "No es pot crear el fitxer %s";
// %d: the file's size, then the limit for its kind, in MB rounded up.
inline constexpr std::string_view kMsgFileTooLarge =
    "L'arxiu %s és massa gran (%d MB): no pot passar de %d MB";
inline constexpr std::string_view kMsgOutOfMemory =
    "No hi ha prou memòria per fer-ho: tanqueu altres programes o trieu un text més curt";
inline constexpr std::string_view kMsgFileNotFound = "No s'ha trobat l'arxiu '%s'";
inline constexpr std::string_view kMsgReadOnlyOnCd =
    "L'arxiu\r\n%s\r\nés en un CD: per tant no se'n pot canviar l'atribut de sols lectura";
inline constexpr std::string_view kMsgAskClearReadOnly =
    "L'arxiu\r\n%s\r\nés de sols lectura, treure-li'n la protecció?";
inline constexpr std::string_view kMsgReplaceFile = "L'arxiu\r\n%s\r\nja existeix. Voleu substituir-lo?";

// Replaces the first %s of pattern with value.
std::string Format(std::string_view pattern, std::string_view value);
// Replaces the first %d of pattern with the decimal text of value.
std::string FormatNumber(std::string_view pattern, long long value);

}  // namespace teclarium
