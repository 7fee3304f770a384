// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// Loading and saving the settings as the window does (read the file, all keys,
// write the file back): a realistic file, and one with many keys the program does
// not know, which are carried along.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>
#include <string>

#include "settings/ini_file.h"
#include "settings/settings_table.h"

using namespace teclarium;

namespace {

std::string MakeFile(int unknownKeys) {
    std::string text =
        "[Options]\r\nSeveralUsers=0\r\nMkLink=0\r\nTcmFN=/home/anna/exercicis/lli\xE7\xF3 "
        "11.tcm\r\nType=1\r\n"
        "ItemIndexIni=4\r\nCharsCount=5\r\nWordsCount=12\r\nRepeatLine=3\r\nRepeatWord=0\r\n"
        "RepeatWrongWord=1\r\nShowIncorrectKey=1\r\nShowKeyboard=1\r\nShowKeyToType=1\r\nWriteWrongChar=0\r\n"
        "EditFontSize=18\r\nVKFontSize=13\r\nOneHand=0\r\nNaturalKeyboard=0\r\nKBSeparated=1\r\n"
        "CenteredWindow=0\r\n\r\n";
    if (unknownKeys > 0) {
        text += "[Altres]\r\n";
        for (int i = 0; i < unknownKeys; ++i)
            text += "Clau" + std::to_string(i) + "=valor de la clau " + std::to_string(i) + "\r\n";
    }
    return text;
}

void LoadAndSave(benchmark::State& state) {
    QTemporaryDir dir;
    const std::string path = QFile::encodeName(dir.filePath("Teclarium.ini")).toStdString();
    const std::string content = MakeFile(static_cast<int>(state.range(0)));
    {
        QFile file(QString::fromStdString(path));
        if (!file.open(QIODevice::WriteOnly)) state.SkipWithError("cannot write the file");
        file.write(content.data(), static_cast<qint64>(content.size()));
    }
    for (auto _ : state) {
        const TSettings settings = ReadSettings(TNewIniFile(path));
        TNewIniFile file(path);
        WriteSettings(file, settings);
        benchmark::DoNotOptimize(file.UpdateFile());
    }
    state.counters["file_bytes"] = static_cast<double>(content.size());
}

}  // namespace

BENCHMARK(LoadAndSave)->Arg(0)->Arg(10000)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
