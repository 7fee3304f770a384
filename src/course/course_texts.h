// Texts of the course (UTF-8 in the source; shown through Qt).
#pragma once

#include <string_view>

namespace teclarium {

inline constexpr std::string_view kCourseFileName = "curs.txt";
inline constexpr std::string_view kWordListFileName = "paraules.txt";
// The source of a course drill in the history (Windows-1252 bytes: ASCII).
inline constexpr const char* kCourseSource = "curs";

// A bad line of a data file: the file, the line's number, the reason.
inline constexpr std::string_view kMsgBadDataLine = "Línia %d incorrecta de l'arxiu %s: %s";
inline constexpr std::string_view kReasonNoTab = "hi falta el tabulador entre els caràcters i el nom del pas";
inline constexpr std::string_view kReasonNoStepChars = "el pas no afegeix cap caràcter";
inline constexpr std::string_view kReasonNoStepName = "el pas no té nom";
inline constexpr std::string_view kReasonBadChar =
    "hi ha un espai, un caràcter de control o un caràcter no vàlid";
inline constexpr std::string_view kReasonRepeatedChar = "un caràcter ja és d'un pas anterior";
inline constexpr std::string_view kReasonNoSteps = "no hi ha cap pas";
inline constexpr std::string_view kReasonEmptyWord = "línia buida";
inline constexpr std::string_view kReasonUnknownLine = "no s'entén";
inline constexpr std::string_view kMsgNoWords = "L'arxiu %s no té cap paraula";

}  // namespace teclarium
