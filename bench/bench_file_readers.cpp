// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The readers on pathological files: 50 MB of bare line breaks as an exercise, a
// pattern file and a key mapping, the real key mapping padded with 5 MB of line
// breaks, and the bare read of a 50 MB file. Each reports its time and the
// process's peak resident memory; run one benchmark per process
// (--benchmark_filter) for a peak that belongs to it alone.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <string>

#include "keyboard/key_mapping.h"
#include "sources/exercise_words.h"
#include "sources/pattern_file.h"
#include "util/files.h"

using namespace teclarium;

namespace {

constexpr std::size_t kBig = 50u << 20;
constexpr std::size_t kPadding = 5u << 20;
constexpr unsigned kRepeatLine = 8;

double PeakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

// Writes bytes to a file of the temporary folder and gives its native name.
std::string WriteFile(const QTemporaryDir& dir, const char* name, const std::string& bytes) {
    const QString path = QDir(dir.path()).filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return {};
    file.write(bytes.data(), qint64(bytes.size()));
    return QFile::encodeName(path).toStdString();
}

std::string RealKeyMapping() {
    QFile file(QStringLiteral(TECLARIUM_DATA_DIR "/KeyMapping.txt"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = file.readAll();
    return std::string(bytes.constData(), std::size_t(bytes.size()));
}

// Reads the file as the program does and hands its bytes to read; reports the
// file's size and the count that read returns.
template <typename Read>
void ReadFile(benchmark::State& state, std::string bytes, Read read) {
    QTemporaryDir dir;
    const std::string name = WriteFile(dir, "file", bytes);
    const std::size_t size = bytes.size();
    std::string().swap(bytes);  // the peak is the reader's alone
    if (name.empty()) {
        state.SkipWithError("cannot write the file");
        return;
    }
    std::size_t count = 0;
    for (auto _ : state) {
        try {
            count = read(ReadWholeFile(name));
        } catch (const std::exception& e) {
            state.SkipWithError(e.what());
            return;
        }
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations() * size));
    state.counters["file_MB"] = double(size) / double(1u << 20);
    state.counters["count"] = double(count);
    state.counters["peak_MB"] = PeakMegabytes();
}

// range(0): 0 bare CR, 1 bare LF.
std::string Breaks(const benchmark::State& state, std::size_t size) {
    return std::string(size, state.range(0) ? '\n' : '\r');
}

void BM_ExerciseOfBreaks(benchmark::State& state) {
    ReadFile(state, Breaks(state, kBig),
             [](const std::string& content) { return ExerciseWords(content, kRepeatLine, "").size(); });
}
BENCHMARK(BM_ExerciseOfBreaks)->ArgName("LF")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_ClipboardOfBreaks(benchmark::State& state) {
    const std::string text = Breaks(state, kBig);
    std::size_t count = 0;
    for (auto _ : state) count = ClipboardWords(text, kRepeatLine).size();
    state.counters["count"] = double(count);
    state.counters["peak_MB"] = PeakMegabytes();
}
BENCHMARK(BM_ClipboardOfBreaks)->ArgName("LF")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// From memory: a file this large is refused before it is read.
void BM_PatternFileOfBreaks(benchmark::State& state) {
    const std::string text = Breaks(state, kBig);
    std::size_t count = 0;
    for (auto _ : state) count = ParsePatternFile(text).Names.size();
    state.counters["count"] = double(count);
    state.counters["peak_MB"] = PeakMegabytes();
}
BENCHMARK(BM_PatternFileOfBreaks)->ArgName("LF")->Arg(0)->Unit(benchmark::kMillisecond);

// From memory: a file this large is refused before it is read.
void BM_KeyMappingOfBreaks(benchmark::State& state) {
    const std::string text = Breaks(state, kBig);
    std::size_t count = 0;
    for (auto _ : state) count = ReadKeyMapping(text).size();
    state.counters["count"] = double(count);
    state.counters["peak_MB"] = PeakMegabytes();
}
BENCHMARK(BM_KeyMappingOfBreaks)->ArgName("LF")->Arg(0)->Unit(benchmark::kMillisecond);

void BM_KeyMappingPadded(benchmark::State& state) {
    ReadFile(state, RealKeyMapping() + Breaks(state, kPadding),
             [](const std::string& content) { return ReadKeyMapping(content).size(); });
}
BENCHMARK(BM_KeyMappingPadded)->ArgName("LF")->Arg(0)->Unit(benchmark::kMillisecond);

void BM_ReadWholeFile(benchmark::State& state) {
    ReadFile(state, std::string(kBig, 'x'), [](const std::string& content) { return content.size(); });
}
BENCHMARK(BM_ReadWholeFile)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
