// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The drill's handlers of the main window.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include "course/course_texts.h"
#include "drill/report.h"
#include "drill/ui/font_message_dialog.h"
#include "drill/ui/typing_edit.h"
#include "keyboard/ui/key_panel.h"
#include "progress/history_file.h"
#include "shell/course_link.h"
#include "shell/drill_voice.h"
#include "shell/exercise_sources.h"
#include "shell/speech_output.h"
#include "shell/typewriting_window.h"
#include "shell/window_texts.h"
#include "speech/drill_speech.h"
#include "util/codec.h"
#include "util/ui/reporting_failures.h"

namespace teclarium {
namespace {

void SetText(QLabel* label, const std::string& shown, std::string& cache) {
    if (shown == cache) return;
    cache = shown;
    label->setText(FromAnsi(shown));
}

}  // namespace

void TFTypewriting::BB_PlayClick() {
    FSources->Play();
}

void TFTypewriting::StartDrill() {
    // The drill goes to the history of the settings file in use when it starts.
    FRecorder.SetHistoryFile(HistoryFileName(SettingsFileName()));
    FLayout.SayUntypable(FDrill.WordList());
    FDrill.StartDrill();
    ShowDrillState();
    Edit->setFocus();
    // After the focus: a screen reader says the field, then the word.
    FVoice->SayWord();
}

void TFTypewriting::EditKeyDown(int& key) {
    if (!FDrill.EditKeyDown(key)) return;
    ShowKeyDisplay();
    FVoice->SayBaseLetter();
}

void TFTypewriting::DeadKeyDown(int virtualKey) {
    if (!Edit->hasFocus()) return;
    int key = virtualKey;
    EditKeyDown(key);
}

void TFTypewriting::EditKeyPress(unsigned char& key) {
    const bool wasRunning = FDrill.DrillRunning();
    // The drill's state before the key, only when it is to be spoken.
    const bool speaking = FVoice->On();
    const unsigned char typed = key;
    const TDrillMoment before = speaking ? DrillMoment(FDrill) : TDrillMoment();
    // A drill's end can fail to reach its history; the window still shows the drill ended.
    ReportingFailures([&] { FDrill.EditKeyPress(key); });
    ShowDrillState();
    if (speaking) FVoice->SayKey(before, typed);
    if (wasRunning && !FDrill.DrillRunning()) BB_Play->setFocus();
}

void TFTypewriting::ShowDrillState() {
    const TDrill& d = FDrill;
    const QString text = FromAnsi(d.EditText());
    if (Edit->text() != text) {
        Edit->setText(text);
        // The typed character reaches the screen before the words and the keyboard's lamps.
        Edit->repaint();
    }
    if (d.ToWrite() != FShown.ToWrite) {
        SetText(L_ToWrite, d.ToWrite(), FShown.ToWrite);
        L_ToWrite->adjustSize();
    }
    // The next word starts one character cell after the current one (also after a
    // change of the typing font; a move to the same place costs nothing).
    if (!d.CurrentWord().empty())
        L_ToNextWrite->move(L_ToWrite->x() + static_cast<int>(d.CurrentWord().size() + 1) * FCharWidth,
                            L_ToNextWrite->y());
    SetText(L_ToNextWrite, d.ToNextWrite(), FShown.ToNextWrite);
    if (d.ShownCount() != FShown.Count) {
        FShown.Count = d.ShownCount();
        L_Count->setText(QString::number(d.ShownCount()));
        L_Count->adjustSize();
    }
    if (d.ShownErrors() != FShown.Errors) {
        FShown.Errors = d.ShownErrors();
        L_ErrorsCount->setText(QString::number(d.ShownErrors()));
        L_ErrorsCount->adjustSize();
    }
    if (d.ShownIncorrectKey() != FShown.IncorrectKey) {
        FShown.IncorrectKey = d.ShownIncorrectKey();
        L_IncorrectKey->setText(d.ShownIncorrectKey() == 0 ? QString() : FromAnsiChar(d.ShownIncorrectKey()));
        L_IncorrectKey->adjustSize();
    }
    if (static_cast<int>(d.DrillRunning()) != FShown.Running) {
        FShown.Running = d.DrillRunning();
        L_RepeatLine->setEnabled(!d.DrillRunning());
        SE_RepeatLine->setEnabled(!d.DrillRunning());
        BB_Hide->setVisible(!d.DrillRunning());
        L_TypeEsc->setVisible(d.DrillRunning());
        // A course lesson is none of the exercise types: the box says what runs.
        const bool lesson = d.DrillRunning() && FRecorder.Source() == kCourseSource;
        GB_Type->setTitle(lesson ? FromUtf8(kCourseLessonType) : QString::fromUtf8(kTypeTitle));
        GB_Type->setEnabled(!lesson);
    }
    ShowKeyDisplay();
}

void TFTypewriting::RefocusTyping() {
    if (!FDrill.DrillRunning()) return;
    Edit->setFocus();
    Edit->end(false);
}

void TFTypewriting::AppliOnActivate() {
    FDrill.AppliOnActivate();
}
void TFTypewriting::AppliOnDeactivate() {
    FDrill.AppliOnDeactivate();
}

void TFTypewriting::ShowResults(const std::string& text) {
    // The drill area is already cleared when the report shows. A screen reader reads
    // the report's dialog itself, with the keys a course lesson unlocked (their fingers
    // and rows) and its question; the own voice says the same.
    ShowDrillState();
    const bool lesson = FCourse->LessonRecorded();
    const QString news = lesson ? FVoice->NewKeys(FCourse->LessonNews()) : QString();
    if (FVoice->Mode() == TSpeechMode::OwnVoice) {
        QStringList said{QString::fromUtf8(text)};
        if (!news.isEmpty()) said << news;
        if (lesson) said << FromUtf8(kLessonReportNext);
        FVoice->Say(said.join(u'\n'));
    }
    QFont font = this->font();
    font.setPointSize(ReportFontSize(font.pointSize(), FVKFontSize, FEditFontSize));
    const QString report = QString::fromUtf8(text).replace(QLatin1String("\r\n"), QLatin1String("\n"));
    if (!FCourse->ShowLessonReport(report, news, font)) FontMessageDialog(report, font, true);
}

void TFTypewriting::ShowPracticeSummary() {
    const std::string summary = FDrill.PracticeSummary();
    if (!summary.empty()) ShowResults(summary);
}

void TFTypewriting::MeasureCharWidth() {
    QLabel probe(QStringLiteral("H"));
    probe.setFont(L_ToWrite->font());
    probe.adjustSize();
    FCharWidth = probe.width();
}

}  // namespace teclarium
