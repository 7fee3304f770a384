// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// One keystroke through the drill logic: judge, count and refresh the key display;
// also with the progress history counting the judged characters.
#include <benchmark/benchmark.h>

#include "drill/drill.h"
#include "keyboard/key_display.h"
#include "progress/drill_recorder.h"

using namespace teclarium;

namespace {

struct TFixedClock final : TClock {
    double Now() const override { return 46000.5; }
};
struct TOptions final : TDrillOptions {
    bool RepeatWrongWord() const override { return true; }
    bool RepeatWord() const override { return false; }
    bool WriteWrongChar() const override { return false; }
    bool ShowIncorrectKey() const override { return true; }
    bool ShowKeyToType() const override { return true; }
    bool OneHand() const override { return false; }
};
struct THost final : TDrillHost {
    void ShowResults(const std::string&) override {}
};

// A full keyboard of 48 keys: letters, digits and punctuation.
TKeyCharsList Keys() {
    const std::string plain =
        "\xBA"
        "1234567890'\xA1qwertyuiop`+asdfghjkl\xF1\xB4\xE7<zxcvbnm,.-";
    const std::string shifted = "\xAA!\"\xB7$%&/()=?\xBFQWERTYUIOP^*ASDFGHJKL\xD1\xA8\xC7>ZXCVBNM;:_";
    TKeyCharsList keys;
    for (std::size_t i = 0; i < plain.size(); ++i)
        keys.push_back({static_cast<std::uint8_t>(i + 48), static_cast<int>(i + 1), i % 2 == 0,
                        static_cast<unsigned char>(plain[i]), static_cast<unsigned char>(shifted[i]), 0});
    return keys;
}

// observer: the progress history's counting, or null when nobody counts.
void RunKeystrokes(benchmark::State& state, TDrillObserver* observer) {
    TFixedClock clock;
    TOptions options;
    THost host;
    TKeyDisplay display(options);
    display.SetKeyCharsList(Keys());
    display.AppMessage(false, false, false, [] {});
    TDrill drill(clock, options, display, host);
    drill.SetObserver(observer);
    const std::string word = "teclejar";
    TWordList words;
    words.assign(1000000, word);
    drill.SetWordList(std::move(words));
    drill.StartDrill();
    std::size_t i = 0;
    for (auto _ : state) {
        int vk = 65;
        drill.EditKeyDown(vk);
        unsigned char ch = i < word.size() ? static_cast<unsigned char>(word[i]) : ' ';
        drill.EditKeyPress(ch);
        i = i < word.size() ? i + 1 : 0;
        benchmark::DoNotOptimize(display.KeyToShow());
    }
}

void BM_DrillKeystroke(benchmark::State& state) {
    RunKeystrokes(state, nullptr);
}
BENCHMARK(BM_DrillKeystroke)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_DrillKeystrokeCounted(benchmark::State& state) {
    TDrillRecorder recorder;
    RunKeystrokes(state, &recorder);
}
BENCHMARK(BM_DrillKeystrokeCounted)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
