// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// A whole school's group report, one opening per run so that /usr/bin/time -v
// gives its peak memory:
//   bench_school_report make FOLDER LEARNERS DRILLS [CLASSES]
//                                                      writes the school's histories
//                                                      (lines of about 550 bytes, as a
//                                                      course's drills write them: the
//                                                      exercise file's path, the spaces,
//                                                      every character's counts and the
//                                                      time of its keys); with
//                                                      CLASSES, into as many class folders,
//                                                      each with a classe.ini of every goal
//                                                      and a name for half its learners
//   bench_school_report open FOLDER                   opens the window on them
//   bench_school_report stop FOLDER esc|cancel        stops its reading after a second
// "open" prints the wall time to the painted window, the longest the window's
// event loop went without answering meanwhile, the time a new date range takes
// and the longest it went without answering then, the time a sort by a column of
// numbers and one by the names take, the time choosing one class takes (with
// classes), the peak memory after opening and after all,
// and the size of what the cache folder keeps beside the histories' size. Cold or
// warm: XDG_CACHE_HOME an empty folder, or the one of an opening before.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QHeaderView>
#include <QKeyEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableView>
#include <QTimer>
#include <cstdio>
#include <fstream>
#include <random>

#include "keyboard/key_mapping.h"
#include "progress/history_file.h"
#include "report/report_table.h"
#include "report/ui/group_report_window.h"
#include "synthetic_drill.h"
#include "util/files.h"

using namespace teclarium;

namespace {

// A class's goals, which every learner is measured against, and a name for every
// other learner.
void WriteClassFile(const QString& folder, int first, int last) {
    std::string ini =
        "[Objectius]\r\nVelocitat=150\r\nPrecisio=95\r\nMinutsSetmana=60\r\nPas=12\r\n"
        "PasAbans=2026-06-30\r\n[Noms]\r\n";
    for (int learner = first; learner <= last; learner += 2)
        ini += QStringLiteral("Alumne %1=Nom i Cognoms %1\r\n")
                   .arg(learner, 4, 10, QLatin1Char('0'))
                   .toStdString();
    std::ofstream(QFile::encodeName(folder + "/classe.ini").toStdString(), std::ios::binary) << ini;
}

// What the course's lessons drill, in their exercise files' names.
const char* const kLessons[] = {"fila de refer\xE8ncia",  "fila de dalt",      "fila de baix",
                                "maj\xFAscules i signes", "paraules llargues", "xifres i s\xEDmbols",
                                "accents i di\xE8resis",  "text corregit"};

int MakeSchool(const QString& root, int learners, int drills, int classes) {
    std::mt19937 random(16);
    QString folder = root;
    const int perClass = classes > 0 ? (learners + classes - 1) / classes : learners;
    double lineBytes = 0;
    for (int learner = 1; learner <= learners; ++learner) {
        // The first perClass learners in class 1, the next in class 2, ...
        if (classes > 0 && (learner - 1) % perClass == 0) {
            folder = root + QStringLiteral("/Classe %1").arg((learner - 1) / perClass + 1);
            if (!QDir().mkpath(folder)) return 1;
            WriteClassFile(folder, learner, std::min(learners, learner + perClass - 1));
        }
        std::string bytes = std::string(kHistoryHeader) + "\r\n";
        TDrillRecord r;
        for (int i = 0; i < drills; ++i) {
            // The course's lessons in turn, each an exercise file of the school's shared folder.
            const int lesson = 1 + i * 40 / std::max(drills, 1);
            r.Source = "/home/escola/Documents/Teclarium/exercicis del curs/lli\xE7\xF3 " +
                       std::to_string(lesson) + " - " + kLessons[lesson % std::size(kLessons)] + ".tcm";
            r.When = 1725000000 + static_cast<std::int64_t>(i) * 14000 + learner * 60;
            r.Words = 20 + random() % 40;
            r.CorrectKeys = r.Words * 6;
            r.OmittedWords = random() % 8 == 0 ? 1 : 0;
            r.CountedTenths = 600 + random() % 1200 - static_cast<std::uint32_t>(i / 10);
            r.PauseTenths = random() % 4 == 0 ? random() % 90 : 0;
            r.SecondsPerWordTenths = r.CountedTenths / r.Words;
            r.WordsPerMinuteTenths = r.Words * 6000 / r.CountedTenths;
            r.KeysPerMinute = r.CorrectKeys * 600 / r.CountedTenths;
            FillSyntheticChars(r, random);
            r.Chars.insert(r.Chars.begin(), {' ', r.Words - 1, 0});  // the spaces between the words
            FillSyntheticTimes(r, random);
            bytes += FormatRecord(r) + "\r\n";
        }
        lineBytes += double(bytes.size()) / drills;
        const QString name = QStringLiteral("/Alumne %1.hist").arg(learner, 4, 10, QLatin1Char('0'));
        std::ofstream(QFile::encodeName(folder + name).toStdString(), std::ios::binary) << bytes;
    }
    std::printf("%d histories of %d drills, %.0f bytes a line, %d classes\n", learners, drills,
                lineBytes / learners, classes);
    return 0;
}

// The process's peak resident memory so far, MiB.
double PeakMiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
    return 0;
}

qint64 BytesUnder(const QString& folder, const QStringList& names = {}) {
    qint64 bytes = 0;
    QDirIterator files(folder, names, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (files.hasNext()) bytes += files.nextFileInfo().size();
    return bytes;
}

int OpenReport(const QString& folder) {
    TGroupReportRequest request;
    request.SettingsFolder = QFile::encodeName(folder).toStdString();
    request.ProgramName = "Teclarium";
    request.Keys = ReadKeyMapping(ReadWholeFile(TECLARIUM_DATA_DIR "/KeyMapping.txt"));
    // A tick every 10 ms: the longest gap between two is the longest the window
    // did not answer.
    QElapsedTimer clock;
    qint64 lastTick = 0, longest = 0;
    QTimer ticks;
    QObject::connect(&ticks, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        longest = std::max(longest, now - lastTick);
        lastTick = now;
    });
    ticks.start(10);
    clock.start();
    TFGroupReport window(request);
    window.show();
    QCoreApplication::processEvents();  // lays out and paints
    const qint64 opened = clock.elapsed();
    longest = std::max(longest, opened - lastTick);
    const qint64 longestOpening = longest;
    const double openedPeak = PeakMiB();
    QElapsedTimer range;
    range.start();
    longest = 0;
    lastTick = clock.elapsed();
    window.DE_From->setDate(window.DE_From->date().addDays(30));
    window.CB_From->setChecked(true);
    QCoreApplication::processEvents();
    const qint64 rangeMs = range.elapsed();
    longest = std::max(longest, clock.elapsed() - lastTick);
    ticks.stop();
    // Sorted by a column of numbers and back by the names, as a teacher clicks the headers.
    QElapsedTimer sorting;
    sorting.start();
    window.TW_Learners->horizontalHeader()->setSortIndicator(kColSpeedLast, Qt::DescendingOrder);
    const qint64 sortNumbersMs = sorting.restart();
    window.TW_Learners->horizontalHeader()->setSortIndicator(kColName, Qt::AscendingOrder);
    const qint64 sortNamesMs = sorting.elapsed();
    // One class chosen of several: its figures, goals and summary.
    QElapsedTimer oneClass;
    oneClass.start();
    if (window.CB_Class->count() > 2) window.CB_Class->setCurrentIndex(2);
    QCoreApplication::processEvents();
    const qint64 classMs = oneClass.elapsed();
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    std::printf("classes %d\nlearners %zu\nopen_ms %lld\nlongest_block_ms %lld\n",
                window.CB_Class->count() - 1, window.Report().Learners().size(), opened, longestOpening);
    std::printf("range_ms %lld\nrange_longest_block_ms %lld\n", rangeMs, longest);
    std::printf("sort_numbers_ms %lld\nsort_names_ms %lld\nclass_ms %lld\n", sortNumbersMs, sortNamesMs,
                classMs);
    std::printf("peak_open_MiB %.0f\npeak_range_MiB %.0f\n", openedPeak, PeakMiB());
    std::printf("histories_MiB %.1f\nkept_MiB %.1f\n", double(BytesUnder(folder, {"*.hist"})) / (1 << 20),
                double(BytesUnder(cache)) / (1 << 20));
    return 0;
}

// A cold read stopped after a second, as a teacher presses Esc (the window closes
// once the histories read so far are shown) or Cancel·la (they are kept and shown):
// how long after it the reading stopped, how long until the window was shown or
// closed, and the longest the window went without answering meanwhile.
int StopReport(const QString& folder, bool esc) {
    TGroupReportRequest request;
    request.SettingsFolder = QFile::encodeName(folder).toStdString();
    request.ProgramName = "Teclarium";
    request.Keys = ReadKeyMapping(ReadWholeFile(TECLARIUM_DATA_DIR "/KeyMapping.txt"));
    QElapsedTimer clock;
    qint64 pressed = -1, stopped = -1, lastTick = 0, longest = 0;
    TFGroupReport* reading = nullptr;
    QTimer ticks;
    QObject::connect(&ticks, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        if (pressed >= 0) longest = std::max(longest, now - lastTick);
        lastTick = now;
        if (!reading) reading = qobject_cast<TFGroupReport*>(QApplication::activeModalWidget());
        if (!reading) return;
        if (pressed < 0 && now >= 1000) {
            pressed = now;
            if (esc) {
                // To the control with the focus, which leaves Esc to the window.
                QWidget* focus = reading->focusWidget() ? reading->focusWidget() : reading;
                QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
                QKeyEvent release(QEvent::KeyRelease, Qt::Key_Escape, Qt::NoModifier);
                QApplication::sendEvent(focus, &press);
                QApplication::sendEvent(focus, &release);
            } else {
                reading->BB_StopReading->click();
            }
        } else if (pressed >= 0 && stopped < 0 && !reading->PB_Reading->isVisible()) {
            stopped = now;
        }
    });
    ticks.start(10);
    clock.start();
    TFGroupReport window(request);
    const qint64 answered = clock.elapsed();
    longest = std::max(longest, answered - lastTick);
    if (stopped < 0) stopped = answered;
    std::printf("closed %d\n", int(window.ClosedWhileReading()));
    std::printf(
        "%s_at_ms %lld\nlearners_read %zu\nstopped_ms %lld\nanswered_ms %lld\nlongest_block_ms %lld\n",
        esc ? "esc" : "cancel", pressed, window.Report().Learners().size(), stopped - pressed,
        answered - pressed, longest);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Teclarium"));
    const QStringList args = app.arguments();
    if ((args.size() == 5 || args.size() == 6) && args[1] == "make")
        return MakeSchool(args[2], args[3].toInt(), args[4].toInt(), args.size() == 6 ? args[5].toInt() : 0);
    if (args.size() == 3 && args[1] == "open") return OpenReport(args[2]);
    if (args.size() == 4 && args[1] == "stop" && (args[3] == "esc" || args[3] == "cancel"))
        return StopReport(args[2], args[3] == "esc");
    std::fprintf(stderr,
                 "bench_school_report make FOLDER LEARNERS DRILLS [CLASSES] | open FOLDER | stop FOLDER "
                 "esc|cancel\n");
    return 2;
}
