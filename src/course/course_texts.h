// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// Texts of the course (UTF-8 in the source; shown through Qt).
#pragma once

#include <string_view>

namespace teclarium {

inline constexpr std::string_view kCourseFileName = "curs.txt";
inline constexpr std::string_view kWordListFileName = "paraules.txt";
// The source of a course drill in the history (Windows-1252 bytes: ASCII).
inline constexpr const char* kCourseSource = "curs";
// The main window's exercise type while it runs a course lesson.
inline constexpr std::string_view kCourseLessonType = "Tipus: lliçó del curs";

// A bad line of a data file: the file, the line's number, the reason.
inline constexpr std::string_view kMsgBadDataLine = "Línia %d incorrecta de l'arxiu %s: %s";
inline constexpr std::string_view kReasonNoTab = "hi falta el tabulador entre els caràcters i el nom del pas";
inline constexpr std::string_view kReasonNoStepChars = "el pas no afegeix cap caràcter";
inline constexpr std::string_view kReasonNoStepName = "el pas no té nom";
inline constexpr std::string_view kReasonBadChar =
    "hi ha un espai, un caràcter de control o un caràcter no vàlid";
inline constexpr std::string_view kReasonRepeatedChar = "un caràcter ja és d'un pas anterior";
inline constexpr std::string_view kReasonNoSteps = "no hi ha cap pas";
inline constexpr std::string_view kReasonUnknownLine = "no s'entén";
inline constexpr std::string_view kMsgNoWords = "L'arxiu %s no té cap paraula";
inline constexpr std::string_view kReasonNoKey = "cap tecla del teclat no escriu el caràcter %s";
inline constexpr std::string_view kMsgUtf8DataFile =
    "L'arxiu %s està desat en UTF-8: deseu-lo en Windows-1252 (Europa occidental)";
inline constexpr std::string_view kMsgStateNewer =
    "L'arxiu %s és d'una versió més nova del programa: no es pot llegir ni canviar";

// The course window.
inline constexpr int kCourseHelpContext = 1015;
inline constexpr std::string_view kCourseTitle = "Curs";
inline constexpr std::string_view kKeysTableName = "Tecles apreses";
inline constexpr std::string_view kCourseStep = "Pas %1 de %2: %3";
inline constexpr std::string_view kCourseAllLearned = "Ja heu après totes les tecles del curs.";
inline constexpr std::string_view kCourseLastStep =
    "És l'últim pas: quan totes les tecles arribin a l'objectiu, haureu acabat el curs.";
inline constexpr std::string_view kCourseNextStep = "Tecla següent: %1 (%2)";
inline constexpr std::string_view kCourseNewKey = "Nova tecla: %1";
inline constexpr std::string_view kCourseNewKeys = "Noves tecles: %1";
inline constexpr std::string_view kCourseNoLesson = "No es pot oferir cap lliçó: %1";
inline constexpr std::string_view kCourseKeepPractising =
    "Quan totes les tecles apreses arribin a l'objectiu (almenys 10 pulsacions cadascuna) s'obrirà la tecla "
    "següent.";
// What a learned key lacks, after "La tecla à " and in the table: the first thing to mend.
inline constexpr std::string_view kCourseBlocker = "La tecla %1 %2.";
inline constexpr std::string_view kAdviceSlow = "és massa lenta: %1 de %2 tecles/minut";
inline constexpr std::string_view kAdviceErrors = "té massa errors: %1 % d'encerts de %2 %";
inline constexpr std::string_view kAdvicePresses = "necessita %1 %2 més";
inline constexpr std::string_view kAdviceDone = "ja és a l'objectiu";
// A step that the keyboard cannot type: the keyboard, the step's characters.
inline constexpr std::string_view kCourseSkippedStep =
    "El teclat %1 no pot escriure %2: aquest pas se salta.";
inline constexpr std::string_view kColumnKey = "Caràcter";
inline constexpr std::string_view kColumnSpeed = "Tecles/minut";
inline constexpr std::string_view kColumnAccuracy = "Encerts (%)";
inline constexpr std::string_view kColumnPresses = "Pulsacions";
inline constexpr std::string_view kColumnGap = "Com va";
inline constexpr std::string_view kPressOne = "pulsació";
inline constexpr std::string_view kPressMany = "pulsacions";
inline constexpr std::string_view kTargetSpeed = "Objectiu de &velocitat (tecles/minut):";
inline constexpr std::string_view kTargetAccuracy = "Objectiu d'&encerts (%):";
inline constexpr std::string_view kLessonWords = "&Paraules per lliçó:";
inline constexpr std::string_view kStartLesson = "&Comença la lliçó";
inline constexpr std::string_view kRestart = "&Torna a començar";
inline constexpr std::string_view kLearnNext = "&Aprèn la tecla següent";
inline constexpr std::string_view kAutoFocus = "Tria a&utomàtica";
inline constexpr std::string_view kCourseClose = "Ta&nca";
inline constexpr std::string_view kAskRestart =
    "Voleu tornar a començar el curs? Les tecles apreses es tornaran a tancar (l'historial es conserva).";
inline constexpr std::string_view kKeyLearnedTip = "%1: %2 tecles/minut, %3 % d'encerts";
inline constexpr std::string_view kKeyNextTip = "%1: la tecla següent del curs";
inline constexpr std::string_view kKeyLockedTip = "%1: encara no s'ha après";
inline constexpr std::string_view kKeyUntimedTip = "%1: apresa, encara sense mesurar";
inline constexpr std::string_view kKeyDeadTip = "%1: la tecla morta de %2, la tecla següent del curs";
inline constexpr std::string_view kCourseKeyboardName = "Teclat del curs";
inline constexpr std::string_view kSpaceKeyName = "Espai: sempre es pot escriure";
inline constexpr std::string_view kCourseKeyboardHelp =
    "Feu clic en una tecla apresa, o premeu-la aquí, perquè la lliçó hi insisteixi";
inline constexpr std::string_view kCourseChosenFocus =
    "Heu triat la tecla %1 per practicar-la; «Tria automàtica» deixa que el programa triï la tecla.";
inline constexpr std::string_view kCourseStillNeeded =
    "La tecla %1 necessita encara almenys %2 %3 (una mica per sobre de l'objectiu) perquè s'obri la "
    "tecla següent.";
inline constexpr std::string_view kLessonReportNext = "Voleu fer la lliçó següent?";
// The certificate of a learner who finished the course, and how it is saved.
inline constexpr std::string_view kSaveCertificate = "Desa el certi&ficat...";
inline constexpr std::string_view kCertificateDialogTitle = "Desa el certificat del curs com a PDF";
inline constexpr std::string_view kCertificateTitle = "Certificat del curs de mecanografia";
inline constexpr std::string_view kCertificateFinished =
    "ha acabat el curs de mecanografia i ha après totes les tecles.";
inline constexpr std::string_view kCertificateSpeed = "Velocitat: %1 tecles/minut (%2 paraules/minut)";
inline constexpr std::string_view kCertificateAccuracy = "Encerts: %1 %";
inline constexpr std::string_view kCertificateKeys = "Tecles apreses (%1):";
inline constexpr std::string_view kCertificateDay = "Data: %1";
inline constexpr std::string_view kCertificateNote =
    "La velocitat i els encerts són els de les últimes pulsacions de cada tecla apresa.";
// The legend of the course keyboard.
inline constexpr std::string_view kLegendAtTarget = "A l'objectiu";
inline constexpr std::string_view kLegendHalfway = "A mig camí";
inline constexpr std::string_view kLegendFar = "Lluny de l'objectiu";
inline constexpr std::string_view kLegendUntimed = "Apresa, encara sense mesurar";
inline constexpr std::string_view kLegendNext = "La que ve ara";
inline constexpr std::string_view kLegendLocked = "Encara no apresa";
inline constexpr std::string_view kLegendFocus = "Marc: la que més practica la lliçó";

}  // namespace teclarium
