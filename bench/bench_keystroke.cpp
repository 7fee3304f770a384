// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// One keystroke through the real window offscreen, with the keyboard shown: the
// typing field's key event, judging, the key display over the 48 keys and the
// repaint of the keys whose light or caption changed. And the message hook's cost
// on events that are not input.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>

#include "drill/ui/typing_edit.h"
#include "keyboard/ui/app_message_hook.h"
#include "shell/settings_module.h"
#include "shell/typewriting_window.h"

using namespace teclarium;

namespace {

TFTypewriting* Window() {
    static TFTypewriting* window = [] {
        static QTemporaryDir folder;
        for (const char* name : {"KeyMapping.txt", "CharsToType.txt", "11.tcm"})
            QFile::copy(QStringLiteral(TECLARIUM_DATA_DIR "/") + name, folder.filePath(name));
        QDir::setCurrent(folder.path());
        // The window reads and writes its settings through the settings module.
        // Past the first start: the shortcut is not offered.
        QFile ini(folder.filePath("Teclarium.ini"));
        if (ini.open(QIODevice::WriteOnly)) ini.write("[Options]\r\nMkLink=0\r\n");
        ini.close();
        static TModIniLS settings(QFile::encodeName(folder.path() + '/').toStdString(), "Teclarium");
        auto* w = new TFTypewriting;
        w->show();
        QCoreApplication::processEvents();
        return w;
    }();
    return window;
}

// The window's typing field, found once by its name.
QWidget* TypingField() {
    static QWidget* edit = Window()->findChild<QWidget*>(QStringLiteral("Edit"));
    return edit;
}

void PressAndRelease(QWidget* edit, char ch) {
    const QString text(QChar::fromLatin1(ch));
    const int key = ch == ' ' ? int(Qt::Key_Space) : int(QChar::fromLatin1(ch).toUpper().unicode());
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(edit, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(edit, &release);
}

void BM_KeystrokeWithKeyboardShown(benchmark::State& state) {
    TFTypewriting* w = Window();
    const std::string word = "teclejar";
    TWordList words;
    words.assign(1000000, word);
    w->Drill().SetWordList(std::move(words));
    w->StartDrill();
    QCoreApplication::processEvents();
    QWidget* edit = TypingField();
    std::size_t i = 0;
    for (auto _ : state) {
        PressAndRelease(edit, i < word.size() ? word[i] : ' ');
        QCoreApplication::processEvents();  // paints the keys whose state changed
        i = i < word.size() ? i + 1 : 0;
    }
}
BENCHMARK(BM_KeystrokeWithKeyboardShown)->Repetitions(10)->ReportAggregatesOnly(true);

// The same with the keyboard hidden: key event to the drill's labels updated.
void BM_KeystrokeWithKeyboardHidden(benchmark::State& state) {
    TFTypewriting* w = Window();
    w->SetShowKeyboard(false);
    BM_KeystrokeWithKeyboardShown(state);
    w->SetShowKeyboard(true);
}
BENCHMARK(BM_KeystrokeWithKeyboardHidden)->Repetitions(10)->ReportAggregatesOnly(true);

void BM_HookOnNonInputEvent(benchmark::State& state) {
    TAppMessageHook* hook = Window()->findChild<TAppMessageHook*>();
    QEvent e(QEvent::UpdateRequest);
    for (auto _ : state) benchmark::DoNotOptimize(hook->eventFilter(Window(), &e));
}
BENCHMARK(BM_HookOnNonInputEvent)->Repetitions(10)->ReportAggregatesOnly(true);

void BM_HookOnKeyEvent(benchmark::State& state) {
    TAppMessageHook* hook = Window()->findChild<TAppMessageHook*>();
    QKeyEvent e(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    for (auto _ : state) benchmark::DoNotOptimize(hook->eventFilter(TypingField(), &e));
}
BENCHMARK(BM_HookOnKeyEvent)->Repetitions(10)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
