// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// Opening the "Progrés" window over a history of 100,000 drills: reading the file,
// building the chart, heat map and table, and the first paint. Also the reading
// alone, and the file's size.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <fstream>
#include <random>

#include "keyboard/key_mapping.h"
#include "progress/history_file.h"
#include "progress/ui/progress_window.h"
#include "synthetic_drill.h"
#include "util/files.h"

using namespace teclarium;

namespace {

constexpr std::size_t kDrills = 100000;

// Drills over about three years, each on 8 to 40 characters with a few misses.
const std::string& HistoryFile() {
    static const std::string path = [] {
        static QTemporaryDir folder;
        const std::string file = QFile::encodeName(folder.filePath("Teclarium.hist")).toStdString();
        std::mt19937 random(11);
        std::string bytes = std::string(kHistoryHeader) + "\r\n";
        TDrillRecord r;
        r.Source =
            "Paraules freq\xFC"
            "ents";
        for (std::size_t i = 0; i < kDrills; ++i) {
            r.When = 1700000000 + static_cast<std::int64_t>(i) * 950;
            r.Words = 20 + random() % 40;
            r.CorrectKeys = r.Words * 6;
            r.CountedTenths = 600 + random() % 1200;
            r.KeysPerMinute = r.CorrectKeys * 600 / r.CountedTenths;
            FillSyntheticChars(r, random);
            bytes += FormatRecord(r) + "\r\n";
        }
        std::ofstream(file, std::ios::binary) << bytes;
        return file;
    }();
    return path;
}

void BM_ReadHistory(benchmark::State& state) {
    const std::string& file = HistoryFile();
    for (auto _ : state) benchmark::DoNotOptimize(ReadProgressFile(file));
    state.counters["file_MiB"] = static_cast<double>(ReadWholeFile(file).size()) / (1 << 20);
}
BENCHMARK(BM_ReadHistory)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_OpenProgressWindow(benchmark::State& state) {
    const std::string& file = HistoryFile();
    const TKeyCharsList keys = ReadKeyMapping(ReadWholeFile(TECLARIUM_DATA_DIR "/KeyMapping.txt"));
    for (auto _ : state) {
        TFProgress window(ReadProgressFile(file), keys);
        window.show();
        QCoreApplication::processEvents();  // lays out and paints
        benchmark::DoNotOptimize(window.grab());
    }
}
BENCHMARK(BM_OpenProgressWindow)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
