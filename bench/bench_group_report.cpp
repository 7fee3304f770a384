// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The group report of a class of 40 learners with 2,000 drills each: reading the
// histories with every learner's figures, the figures again (a new date range),
// opening the window (reading, figures, table and the first paint), and writing
// the CSV files and the PDF through the atomic writer; and of a school, 1,000
// learners of 2,000 drills, the window opened cold (no summary kept) and warm (the
// summaries kept in the cache folder). Reports the files' sizes and the process's
// peak resident memory (run one benchmark at a time for its own peak).
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <fstream>
#include <random>

#include "keyboard/key_mapping.h"
#include "progress/history_file.h"
#include "report/report_csv.h"
#include "report/ui/group_report_window.h"
#include "report/ui/report_document.h"
#include "synthetic_drill.h"
#include "util/files.h"

using namespace teclarium;

namespace {

constexpr int kLearners = 40;
constexpr int kSchool = 1000;
constexpr std::size_t kDrills = 2000;

double PeakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

// The settings folder of the class: each learner's drills over about a school
// year, each on 8 to 40 characters with a few misses, getting faster.
std::string MakeFolder(const QTemporaryDir& folder, int learners) {
    std::mt19937 random(16);
    for (int learner = 1; learner <= learners; ++learner) {
        std::string bytes = std::string(kHistoryHeader) + "\r\n";
        TDrillRecord r;
        r.Source = "11.tcm";
        for (std::size_t i = 0; i < kDrills; ++i) {
            r.When = 1725000000 + static_cast<std::int64_t>(i) * 14000 + learner * 60;
            r.Words = 20 + random() % 40;
            r.CorrectKeys = r.Words * 6;
            r.CountedTenths = 600 + random() % 1200 - static_cast<std::uint32_t>(i / 10);
            r.KeysPerMinute = r.CorrectKeys * 600 / r.CountedTenths;
            FillSyntheticChars(r, random);
            bytes += FormatRecord(r) + "\r\n";
        }
        const QString name = QStringLiteral("Alumne %1.hist").arg(learner, 4, 10, QLatin1Char('0'));
        std::ofstream(QFile::encodeName(folder.filePath(name)).toStdString(), std::ios::binary) << bytes;
    }
    return QFile::encodeName(folder.path() + '/').toStdString();
}

const std::string& ClassFolder() {
    static QTemporaryDir folder;
    static const std::string path = MakeFolder(folder, kLearners);
    return path;
}

// About 750 MB of histories.
const std::string& SchoolFolder() {
    static QTemporaryDir folder;
    static const std::string path = MakeFolder(folder, kSchool);
    return path;
}

std::vector<TLearnerFigures> AllFigures(const TGroupReport& report, const TDayRange& range) {
    std::vector<TLearnerFigures> figures;
    for (const TLearnerHistory& learner : report.Learners())
        figures.push_back(LearnerFigures(learner.Summary, range, DayOf(1735000000)));
    return figures;
}

std::vector<std::size_t> Order(const TGroupReport& report) {
    std::vector<std::size_t> order(report.Learners().size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    return order;
}

const TKeyCharsList& Keys() {
    static const TKeyCharsList keys = ReadKeyMapping(ReadWholeFile(TECLARIUM_DATA_DIR "/KeyMapping.txt"));
    return keys;
}

void BM_ReadWithFigures(benchmark::State& state) {
    const std::string& folder = ClassFolder();
    std::size_t drills = 0;
    for (auto _ : state) {
        TGroupReport report("Teclarium");
        report.Add(FolderHistories(folder, "Teclarium"));
        const std::vector<TLearnerFigures> figures = AllFigures(report, {});
        drills = 0;
        for (const TLearnerFigures& f : figures) drills += f.Drills;
        benchmark::DoNotOptimize(figures);
    }
    state.counters["drills"] = static_cast<double>(drills);
    state.counters["peak_MiB"] = PeakMegabytes();
}
BENCHMARK(BM_ReadWithFigures)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_FiguresOfARange(benchmark::State& state) {
    TGroupReport report("Teclarium");
    report.Add(FolderHistories(ClassFolder(), "Teclarium"));
    const std::int64_t first = report.Learners()[0].Summary.Days.front().Day;
    for (auto _ : state) benchmark::DoNotOptimize(AllFigures(report, {first + 30, first + 200}));
}
BENCHMARK(BM_FiguresOfARange)->Unit(benchmark::kMillisecond)->Iterations(5);

TGroupReportRequest Request(const std::string& folder) {
    TGroupReportRequest request;
    request.SettingsFolder = folder;
    request.ProgramName = "Teclarium";
    request.Keys = Keys();
    return request;
}

// The cache folder of the summaries (XDG_CACHE_HOME is set to a folder of the benchmark's own).
QString CacheFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
}

// Opens the window on a folder: state.range(0) learners; state.range(1): 1 warm
// (the summaries kept from a first opening), 0 cold (none kept).
void BM_OpenReportWindow(benchmark::State& state) {
    const bool warm = state.range(1) != 0;
    const std::string& folder = state.range(0) == kSchool ? SchoolFolder() : ClassFolder();
    QDir(CacheFolder()).removeRecursively();
    if (warm) TFGroupReport first(Request(folder));
    for (auto _ : state) {
        if (!warm) {
            state.PauseTiming();
            QDir(CacheFolder()).removeRecursively();
            state.ResumeTiming();
        }
        TFGroupReport window(Request(folder));
        window.show();
        QCoreApplication::processEvents();  // lays out and paints
        benchmark::DoNotOptimize(window.grab());
    }
    state.counters["peak_MiB"] = PeakMegabytes();
}
BENCHMARK(BM_OpenReportWindow)
    ->Args({kLearners, 0})
    ->Args({kLearners, 1})
    ->Args({kSchool, 0})
    ->Args({kSchool, 1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// Writes what make gives through the atomic writer, as the window does.
template <typename Make>
void WriteReportFile(benchmark::State& state, const char* name, Make make) {
    QTemporaryDir out;
    const std::string path = QFile::encodeName(out.filePath(QString::fromLatin1(name))).toStdString();
    for (auto _ : state) WriteWholeFile(path, make());
    state.counters["file_KiB"] = static_cast<double>(ReadWholeFile(path).size()) / 1024;
}

void BM_WriteCsvLearnerRows(benchmark::State& state) {
    TGroupReport report("Teclarium");
    report.Add(FolderHistories(ClassFolder(), "Teclarium"));
    const std::vector<TLearnerFigures> figures = AllFigures(report, {});
    WriteReportFile(state, "alumnes.csv",
                    [&] { return ReportCsv(report, figures, Order(report), {}, TCsvRows::Learners); });
}
BENCHMARK(BM_WriteCsvLearnerRows)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_WriteCsvDrillRows(benchmark::State& state) {
    TGroupReport report("Teclarium");
    report.Add(FolderHistories(ClassFolder(), "Teclarium"));
    const std::vector<TLearnerFigures> figures = AllFigures(report, {});
    WriteReportFile(state, "exercicis.csv",
                    [&] { return ReportCsv(report, figures, Order(report), {}, TCsvRows::Drills); });
}
BENCHMARK(BM_WriteCsvDrillRows)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_WritePdf(benchmark::State& state) {
    const TFGroupReport window(Request(ClassFolder()));
    WriteReportFile(state, "informe.pdf", [&] { return ReportPdf(window.Printout()); });
}
BENCHMARK(BM_WritePdf)->Unit(benchmark::kMillisecond)->Iterations(5);

// The class's pages and a page for each of its learners, as one PDF.
void BM_WriteAllPagesPdf(benchmark::State& state) {
    const TFGroupReport window(Request(ClassFolder()));
    TAllPagesPrintout printout{window.Printout(), {}};
    const double top = ChartTop(printout.Class.Charts);
    for (std::size_t i = 0; i < printout.Class.Charts.size(); ++i)
        printout.Learners.push_back({printout.Class.Range, printout.Class.Made, printout.Class.Rows[i],
                                     printout.Class.Charts[i].Days, top, printout.Class.MedianSpeed});
    std::atomic<int> done = 0;
    const std::atomic<bool> stop = false;
    WriteReportFile(state, "tots.pdf", [&] { return *AllPagesPdf(printout, done, stop); });
    state.counters["pages"] = static_cast<double>(printout.Learners.size());
}
BENCHMARK(BM_WriteAllPagesPdf)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QTemporaryDir cache;
    qputenv("XDG_CACHE_HOME", QFile::encodeName(cache.path()));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
