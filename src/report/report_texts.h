// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// Texts of the group report, its window and its files (UTF-8 in the source).
#pragma once

#include <array>
#include <string_view>

namespace teclarium {

inline constexpr std::string_view kReportTitle = "Informe del grup";
// The history of the shared settings file, used while several-users mode is off.
inline constexpr std::string_view kSharedHistoryName = "(historial comú)";
inline constexpr std::string_view kReportBadLine = "1 línia de l'historial no s'ha pogut llegir";
inline constexpr std::string_view kReportBadLines = "%d línies de l'historial no s'han pogut llegir";

// The table's columns, in order (see TReportColumn).
inline constexpr std::array<std::string_view, 24> kReportHeaders = {
    "Alumne",
    "Exercicis",
    "Temps de pràctica",
    "Primer dia",
    "Darrer dia",
    "Minuts de pràctica darrers 7 dies",
    "Exercicis darrers 7 dies",
    "Dies des del darrer exercici",
    "Tecles/min primers 7 dies",
    "Tecles/min darrers 7 dies",
    "Canvi de tecles/min",
    "Paraules/min primers 7 dies",
    "Paraules/min darrers 7 dies",
    "Errades per cent primers 7 dies",
    "Errades per cent darrers 7 dies",
    "Canvi d'errades per cent",
    "Precisió % primers 7 dies",
    "Precisió % darrers 7 dies",
    "Tendència setmanal",
    "Pas del curs, ara",
    "Objectius del curs, ara",
    "Objectius de la classe",
    "Caràcters febles (errades per cent)",
    "Observacions",
};

// The cells. Qt's placeholders: the steps learned, the course's steps.
inline constexpr std::string_view kReportCourseStep = "Pas %1 de %2";
inline constexpr std::string_view kTargetsMet = "assolits";
inline constexpr std::string_view kTargetsNotMet = "no assolits";
// The class's goals, in order (see TGoal); a learner's cell: each goal set with
// whether it is met ("velocitat sí, pas pendent"); the median row's: the share of
// the learners with that goal who meet it ("velocitat 60 %").
inline constexpr std::array<std::string_view, 4> kGoalNames = {"velocitat", "precisió", "minuts", "pas"};
inline constexpr std::string_view kGoalMet = "sí";
inline constexpr std::string_view kGoalNotMet = "no";
inline constexpr std::string_view kGoalPending = "pendent";
// The same in the window, where room is short: each goal by its letter and a mark
// ("V✓ C…"), the median row's shares by the letters ("V 60% C 0%"); the cell's
// tooltip says it whole, the column title's the legend.
inline constexpr std::array<std::string_view, 4> kGoalLetters = {"V", "P", "M", "C"};
inline constexpr std::string_view kGoalMetMark = "✓";
inline constexpr std::string_view kGoalNotMetMark = "✗";
inline constexpr std::string_view kGoalPendingMark = "…";
inline constexpr std::string_view kGoalsLegend =
    "V: velocitat, P: precisió, M: minuts de la setmana, C: pas del curs. ✓ assolit, ✗ no assolit, "
    "… pendent; a la mediana, la part de la classe que l'assoleix.";
// Before the days since the last drill of a learner with no drill in the last 7 days.
inline constexpr std::string_view kIdleMark = "⚠";
// The last row, whatever the sorting: each figure's median over the learners who
// have it, and the whole class's weak keys.
inline constexpr std::string_view kMedianRowName = "Mediana del grup";
// The weekly trend's cell as text (a tooltip, a learner's page): the keys per
// minute and the minutes of each week, the earliest first; a week without practice "–".
inline constexpr std::string_view kTrendText = "tecles/min %1; minuts %2";
inline constexpr std::string_view kTrendNone = "–";

// The files' extra columns.
inline constexpr std::string_view kHeaderFolder = "Carpeta";
inline constexpr std::string_view kHeaderMinutes = "Temps de pràctica (minuts)";
inline constexpr std::string_view kHeaderSteps = "Passos del curs";
// The weekly trend's columns, one per week; Qt's placeholder: the week's first day.
inline constexpr std::string_view kHeaderTrendSpeed = "Tecles/min setmana del %1";
inline constexpr std::string_view kHeaderTrendMinutes = "Minuts setmana del %1";
inline constexpr std::array<std::string_view, 11> kDrillHeaders = {
    "Data",
    "Font",
    "Paraules",
    "Tecles correctes",
    "Tecles errades",
    "Paraules omeses",
    "Temps comptat (s)",
    "Pauses descomptades (s)",
    "Segons per paraula",
    "Paraules per minut",
    "Tecles per minut",
};

// The date range; Qt's placeholders: the dates.
inline constexpr std::string_view kRangeAll = "Tots els exercicis";
inline constexpr std::string_view kRangeBetween = "Exercicis del %1 al %2";
inline constexpr std::string_view kRangeFrom = "Exercicis des del %1";
inline constexpr std::string_view kRangeUntil = "Exercicis fins al %1";

// The window. Qt's placeholders: the numbers, the folder.
inline constexpr std::string_view kReportSummary = "%1, %2. %3.";
inline constexpr std::string_view kLearner = "1 alumne";
inline constexpr std::string_view kLearners = "%d alumnes";
inline constexpr std::string_view kDrill = "1 exercici";
inline constexpr std::string_view kDrillsCount = "%d exercicis";
inline constexpr std::string_view kReportHint = "Feu doble clic en un alumne per veure'n el progrés.";
inline constexpr std::string_view kReportUnreadableOne =
    "1 historial no s'ha pogut llegir: en trobareu el motiu a «Observacions».";
inline constexpr std::string_view kReportUnreadable =
    "%d historials no s'han pogut llegir: en trobareu el motiu a «Observacions».";
// Files given as histories that are none: no history header, or not one line of a drill.
inline constexpr std::string_view kNotHistories = "No són historials";
// The class's error rate per key, below the table and in the printed report.
inline constexpr std::string_view kClassHeatTitle = "Errades per tecla de tot el grup";
inline constexpr std::string_view kReportNoHistories =
    "No hi ha cap historial a la carpeta de configuració (%1). Podeu afegir-ne d'altres carpetes amb "
    "«Afegeix "
    "historials...».";
inline constexpr std::string_view kRangeFromCheck = "D&es del";
inline constexpr std::string_view kRangeToCheck = "&Fins al";
inline constexpr std::string_view kAddHistories = "&Afegeix historials...";
// Which columns the table shows: a button's menu of check boxes, and the default set.
inline constexpr std::string_view kColumnsButton = "Colum&nes...";
inline constexpr std::string_view kDefaultColumns = "Columnes per &defecte";
inline constexpr std::string_view kSaveCsv = "Desa com a &CSV...";
inline constexpr std::string_view kExportMoodle = "Exporta per a &Moodle...";
inline constexpr std::string_view kSavePdf = "Desa com a &PDF...";
inline constexpr std::string_view kPrint = "&Imprimeix...";
inline constexpr std::string_view kHelp = "A&juda";
inline constexpr std::string_view kLearnerProgressTitle = "Progrés: %1";
inline constexpr std::string_view kReadingHistories = "Lectura dels historials";
// Qt's placeholders: %v the histories read, %m of all.
inline constexpr std::string_view kReadingProgress = "S'han llegit %v de %m historials";
// Stops the reading (the histories read so far are shown), or the making of the learners' pages.
inline constexpr std::string_view kStopReading = "Cance&l·la";
// Every learner's page at once, after the class's pages: a button's menu.
inline constexpr std::string_view kAllLearners = "Al&umnes";
inline constexpr std::string_view kSaveAllPdf = "&Desa les pàgines de tots els alumnes en PDF...";
inline constexpr std::string_view kPrintAll = "&Imprimeix les pàgines de tots els alumnes...";
inline constexpr std::string_view kMakingPages = "Preparació de les pàgines dels alumnes";
// Qt's placeholders: %v the pages made, %m of all.
inline constexpr std::string_view kMakingProgress = "S'han fet %v de %m pàgines d'alumnes";

// The classes and their goals. Qt's placeholders: the class, the file, the reason, a character.
inline constexpr std::string_view kClassLabel = "C&lasse:";
inline constexpr std::string_view kAllClasses = "Totes les classes";
inline constexpr std::string_view kMainFolderClass = "(carpeta principal)";
inline constexpr std::string_view kEditGoals = "&Objectius de la classe...";
inline constexpr std::string_view kGoalsDialogTitle = "Objectius de la classe %1";
inline constexpr std::string_view kOk = "D'acord";
inline constexpr std::string_view kCancel = "Cancel·la";
inline constexpr std::string_view kGoalsHint = "Un objectiu a zero no es té en compte.";
inline constexpr std::string_view kGoalSpeedLabel = "&Velocitat (tecles/min, darrera setmana):";
inline constexpr std::string_view kGoalAccuracyLabel = "&Precisió (%, darrera setmana):";
inline constexpr std::string_view kGoalMinutesLabel = "&Minuts de pràctica a la setmana:";
inline constexpr std::string_view kGoalStepLabel = "Pas del &curs:";
inline constexpr std::string_view kGoalByCheck = "&Abans del";
inline constexpr std::string_view kGoalNone = "cap";
inline constexpr std::string_view kGoalsNamesTitle = "&Noms dels alumnes (buit: el del fitxer):";
inline constexpr std::string_view kGoalsNamesFile = "Fitxer";
inline constexpr std::string_view kGoalsNamesShown = "Nom que es mostra";
inline constexpr std::string_view kMsgGoalsUnreadable =
    "No s'han pogut llegir els objectius de la classe %1:\n%2\nEls objectius d'aquesta classe no es mostren "
    "i el fitxer no es desarà fins que es pugui llegir.";
inline constexpr std::string_view kMsgGoalsCharNotAnsi =
    "El caràcter «%1» del nom «%2» no es pot desar en Windows-1252, la codificació del programa.";
inline constexpr std::string_view kMsgGoalsReadOnly =
    "No s'han desat els objectius: el fitxer %1 és només de lectura.";

// The Moodle file's columns; Qt's placeholder: the goal.
inline constexpr std::string_view kMoodleIdentifier = "Identificador";
inline constexpr std::string_view kMoodleGrade = "Objectiu de %1 (sobre 10)";

// The file dialogs.
inline constexpr std::string_view kAddDialogTitle = "Afegeix historials";
inline constexpr std::string_view kHistoryFilter = "Historials (*.hist)";
inline constexpr std::string_view kAllFilesFilter = "Tots els fitxers (*)";
inline constexpr std::string_view kCsvDialogTitle = "Desa l'informe com a CSV";
inline constexpr std::string_view kCsvLearnersFilter = "Un alumne per fila (*.csv)";
inline constexpr std::string_view kCsvDrillsFilter = "Un exercici per fila (*.csv)";
// For spreadsheets not set up for Catalan: ',' between fields, a decimal point.
inline constexpr std::string_view kCsvLearnersPointFilter = "Un alumne per fila, punt decimal (*.csv)";
inline constexpr std::string_view kCsvDrillsPointFilter = "Un exercici per fila, punt decimal (*.csv)";
inline constexpr std::string_view kMoodleDialogTitle = "Exporta els objectius per a Moodle";
inline constexpr std::string_view kMoodleFilter = "Importació de qualificacions de Moodle (*.csv)";
inline constexpr std::string_view kMsgMoodleNoGoals =
    "Cap classe mostrada no té objectius: definiu-los amb «Objectius de la classe...» per exportar-los com a "
    "qualificacions.";
inline constexpr std::string_view kPdfDialogTitle = "Desa l'informe com a PDF";
inline constexpr std::string_view kSaveLearner = "Desa l'informe de l'alumne...";
inline constexpr std::string_view kSaveLearnerCertificate = "Desa el certificat del curs...";
// Qt's placeholder: the learner's name.
inline constexpr std::string_view kMsgNoCertificate = "%1 no ha acabat el curs: encara no té certificat.";
inline constexpr std::string_view kLearnerPdfDialogTitle = "Desa l'informe de l'alumne com a PDF";
inline constexpr std::string_view kPrintDialogTitle = "Imprimeix l'informe del grup";
inline constexpr std::string_view kAllPdfDialogTitle = "Desa les pàgines de tots els alumnes en PDF";
inline constexpr std::string_view kPrintAllDialogTitle = "Imprimeix les pàgines de tots els alumnes";
inline constexpr std::string_view kMsgPrintUnavailable =
    "No es pot imprimir: no s'ha pogut carregar el mòdul libteclarium_print.so.";
inline constexpr std::string_view kMsgPrintFailed = "La impressora no ha pogut imprimir l'informe.";

// The printed report; Qt's placeholder: the day.
inline constexpr std::string_view kReportMade = "Fet el %1";
inline constexpr std::string_view kChartsTitle = "Tecles per minut de cada alumne";
inline constexpr std::string_view kLearnerChartTitle = "Tecles per minut";
// Qt's placeholder: the median's keys per minute.
inline constexpr std::string_view kChartsMedian =
    "(la línia discontínua: la mediana del grup, %1 tecles/min)";
// After the heading of charts with a day above their scale, marked by a red
// triangle at the top of the chart.
inline constexpr std::string_view kChartsAbove = "(▲: un dia per sobre de l'escala)";

}  // namespace teclarium
