// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// Loading a large exercise text into drill words, with the line repetition at 8
// (10 passes): time, words made, and the process's peak resident memory.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <random>
#include <string>

#include "sources/exercise_words.h"
#include "util/files.h"

using namespace teclarium;

namespace {

constexpr unsigned kRepeatLine = 8;

// Catalan-like text: words of 1 to 14 letters (some too long for the drill),
// punctuation, lines of about 70 characters ending in CR LF; lineBreaks false
// gives one single line.
std::string MakeText(std::size_t bytes, bool lineBreaks) {
    static const char* const kWords[] = {"a",
                                         "i",
                                         "el",
                                         "la",
                                         "de",
                                         "que",
                                         "per",
                                         "amb",
                                         "casa",
                                         "gat",
                                         "dia,",
                                         "nit.",
                                         "escola",
                                         "paraula",
                                         "teclat",
                                         "m\xE0",
                                         "aix\xF2",
                                         "t\xE9",
                                         "pla\xE7",
                                         "l\xB7l",
                                         "exercici",
                                         "lletres",
                                         "mecanografia",
                                         "dits",
                                         "fila",
                                         "ordinador",
                                         "extraordin\xE0ria",
                                         "meravellosament",
                                         "prou!"};
    std::mt19937 engine(42);
    std::uniform_int_distribution<std::size_t> pick(0, std::size(kWords) - 1);
    std::string text;
    text.reserve(bytes + 32);
    std::size_t lineLength = 0;
    while (text.size() < bytes) {
        const std::string_view word = kWords[pick(engine)];
        text += word;
        lineLength += word.size();
        if (lineBreaks && lineLength > 70) {
            text += "\r\n";
            lineLength = 0;
        } else {
            text += ' ';
            ++lineLength;
        }
    }
    return text;
}

double PeakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

void Report(benchmark::State& state, std::size_t bytes, std::size_t words) {
    state.SetBytesProcessed(std::int64_t(state.iterations() * bytes));
    state.counters["words"] = double(words);
    state.counters["peak_MB"] = PeakMegabytes();
}

// From the text in memory, at 1, 2 and 5 MB: the cost must grow linearly. The
// second argument 0 gives a text without a single line break.
void BM_ExerciseWords(benchmark::State& state) {
    const std::string text = MakeText(std::size_t(state.range(0)) << 20, state.range(1) != 0);
    std::size_t words = 0;
    for (auto _ : state) {
        const auto list = ExerciseWords(text, kRepeatLine, "");
        words = list.size();
        benchmark::DoNotOptimize(list[0]);
    }
    Report(state, text.size(), words);
}
BENCHMARK(BM_ExerciseWords)
    ->ArgNames({"MB", "lines"})
    ->Args({1, 1})
    ->Args({2, 1})
    ->Args({5, 1})
    ->Args({5, 0})
    ->Unit(benchmark::kMillisecond);

// As the program loads it: the file read from disk, then split into words.
void BM_LoadExerciseFile(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath("gran.tcm");
    const std::string text = MakeText(5u << 20, true);
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) {
            state.SkipWithError("cannot write the exercise file");
            return;
        }
        file.write(text.data(), qint64(text.size()));
    }
    const std::string name = QFile::encodeName(path).toStdString();
    std::size_t words = 0;
    for (auto _ : state) {
        const std::string content = ReadWholeFile(name);
        const auto list = ExerciseWords(content, kRepeatLine, "");
        words = list.size();
        benchmark::DoNotOptimize(list[0]);
    }
    Report(state, text.size(), words);
}
BENCHMARK(BM_LoadExerciseFile)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
