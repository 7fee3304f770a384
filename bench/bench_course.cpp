// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The course: a lesson made over the shipped word list, and the course window
// opening over a history of 100,000 drills when a learned character never comes up
// in it (the whole file is read backwards), with the keys' figures alone beside it.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <random>

#include "course/course_file.h"
#include "course/course_state.h"
#include "course/key_stats.h"
#include "course/lesson.h"
#include "course/ui/course_window.h"
#include "course/word_list_file.h"
#include "keyboard/key_mapping.h"
#include "progress/history_file.h"
#include "util/files.h"

using namespace teclarium;

namespace {

constexpr std::size_t kDrills = 100000;

const TCourseFile& Order() {
    static const TCourseFile order = ReadCourseFile(TECLARIUM_DATA_DIR "/curs.txt");
    return order;
}

// All the letters, accented ones and l·l learned: the middle dot never comes up below.
std::string Learned() {
    std::string learned;
    for (const TCourseStep& step : Order().Steps) {
        learned += step.Chars;
        if (step.Chars.find('\xB7') != std::string::npos) break;
    }
    return learned;
}

// A folder with the data files, a settings file and a history of 100,000 drills of
// the letters with their keys' times.
const QTemporaryDir& Folder() {
    static QTemporaryDir folder;
    static bool made = false;
    if (made) return folder;
    made = true;
    for (const char* name : {"KeyMapping.txt", "curs.txt", "paraules.txt"})
        QFile::copy(QStringLiteral(TECLARIUM_DATA_DIR "/") + name, folder.filePath(name));
    std::mt19937 random(11);
    const std::string alphabet = "abcdefghijklmnopqrstuvwxyz\xE0\xE8\xE9\xED\xF2\xF3\xFA\xEF\xFC\xE7";
    std::string bytes = std::string(kHistoryHeader) + "\r\n";
    TDrillRecord r;
    r.Source = "curs";
    for (std::size_t i = 0; i < kDrills; ++i) {
        r.When = 1700000000 + static_cast<std::int64_t>(i) * 950;
        r.Words = 30;
        r.CorrectKeys = 180;
        r.CountedTenths = 600 + random() % 1200;
        r.KeysPerMinute = r.CorrectKeys * 600 / r.CountedTenths;
        r.Chars.clear();
        std::string chars = alphabet;
        std::shuffle(chars.begin(), chars.end(), random);
        chars.resize(8 + random() % 20);
        std::sort(chars.begin(), chars.end(),
                  [](char a, char b) { return (unsigned char)a < (unsigned char)b; });
        for (char c : chars) {
            const auto right = 2 + static_cast<std::uint32_t>(random() % 12);
            r.Chars.push_back({static_cast<unsigned char>(c), right, 0, right - 1,
                               static_cast<std::uint32_t>((right - 1) * (250 + random() % 300))});
        }
        bytes += FormatRecord(r) + "\r\n";
    }
    WriteWholeFile(QFile::encodeName(folder.filePath("Teclarium.hist")).toStdString(), bytes);
    WriteCourseState(QFile::encodeName(folder.filePath("Teclarium.curs")).toStdString(), Learned());
    return folder;
}

// A lesson at step state.range(0) of the shipped order, its last step's keys new:
// pseudo-words at the home row, written forms at the capitals, contexts at the signs.
void BM_LessonOverTheWordList(benchmark::State& state) {
    const TWordListFile words = ReadWordList(TECLARIUM_DATA_DIR "/paraules.txt");
    const auto steps = static_cast<std::size_t>(state.range(0));
    const std::string learned = StepChars(Order().Steps, steps);
    TKeyStats stats{};
    for (char c : StepChars(Order().Steps, steps - 1))
        stats[static_cast<unsigned char>(c)] = {30, 6000, 30, 30};
    const auto focus = static_cast<unsigned char>(learned.back());
    std::uint32_t seed = 1;
    for (auto _ : state) benchmark::DoNotOptimize(MakeLesson(words.Words, learned, focus, stats, 30, seed++));
}
BENCHMARK(BM_LessonOverTheWordList)->DenseRange(1, 36)->Unit(benchmark::kMicrosecond);

void BM_KeyStatsWholeHistory(benchmark::State& state) {
    const std::string bytes =
        ReadWholeFile(QFile::encodeName(Folder().filePath("Teclarium.hist")).toStdString());
    const std::string learned = Learned();
    for (auto _ : state) benchmark::DoNotOptimize(KeyStatsOfHistory(bytes, learned));
    state.counters["MB"] = double(bytes.size()) / 1e6;
}
BENCHMARK(BM_KeyStatsWholeHistory)->Unit(benchmark::kMillisecond);

void BM_CourseWindowOpening(benchmark::State& state) {
    QDir::setCurrent(Folder().path());
    const TKeyCharsList keys = ReadKeyMapping(ReadWholeFile(TECLARIUM_DATA_DIR "/KeyMapping.txt"));
    const std::string settings = QFile::encodeName(Folder().filePath("Teclarium.ini")).toStdString();
    for (auto _ : state) {
        TFCourse window({[&] { return settings; }, TCourseKeys{keys, true, {}}, {}, {}, {}}, nullptr);
        window.show();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_CourseWindowOpening)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
