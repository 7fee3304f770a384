// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "shell/exercise_sources.h"

#include <QCheckBox>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "progress/progress_texts.h"
#include "settings/ini_file.h"
#include "settings/settings_table.h"
#include "shell/spin_values.h"
#include "sources/exercise_words.h"
#include "sources/pattern_file.h"
#include "sources/random_words.h"
#include "sources/source_texts.h"
#include "util/app_error.h"
#include "util/codec.h"
#include "util/files.h"
#include "util/messages.h"
#include "util/text.h"
#include "util/ui/file_dialog.h"
#include "util/ui/file_prompts.h"
#include "util/ui/message_boxes.h"
#include "util/ui/modal.h"

namespace teclarium {

TExerciseSources::TExerciseSources(const TSourceControls& controls, TSourcesHost host, QWidget* dialogParent)
    : TSourceControls(controls), FHost(std::move(host)), FDialogParent(dialogParent) {}

void TExerciseSources::LoadSettings(const TSettings& s) {
    // A relative name is taken in the current folder.
    FTcmFileName.clear();
    if (!s.TcmFN.empty() && CheckFileExists(s.TcmFN)) SetTcmFileName(s.TcmFN);
    FExerciseType = static_cast<std::uint8_t>(s.Type);
    FPatternIndex = static_cast<std::int8_t>(s.ItemIndexIni);
    SE_CharsCount->setValue(s.CharsCount);
    SE_WordsCount->setValue(s.WordsCount);
    SE_RepeatLine->setValue(s.RepeatLine);
}

void TExerciseSources::SaveSettings(TSettings& s) const {
    s.TcmFN = FTcmFileName;
    // Until the first activation has chosen the source and listed the patterns (a
    // window closed for want of a key mapping never does), the loaded choices stay.
    const bool chosen =
        RB_Tcm->isChecked() || RB_RandomWords->isChecked() || RB_CopyFromClipboard->isChecked();
    s.Type = !chosen ? FExerciseType : RB_Tcm->isChecked() ? 0 : RB_RandomWords->isChecked() ? 1 : 2;
    // The selection, not the current row: the list makes its first row current when
    // it gets the focus with nothing selected.
    const QList<QListWidgetItem*> selected = LB_PatternChars->selectedItems();
    s.ItemIndexIni = !chosen              ? FPatternIndex
                     : selected.isEmpty() ? -1
                                          : LB_PatternChars->row(selected.first());
    s.CharsCount = SavedValue(SE_CharsCount);
    s.WordsCount = SavedValue(SE_WordsCount);
    s.RepeatLine = SavedValue(SE_RepeatLine);
}

void TExerciseSources::SetTcmFileName(const std::string& name) {
    FTcmFileName = name;
    OD_Tcm.FileName = name;
}

void TExerciseSources::Activate() {
    QRadioButton* source = FExerciseType == 0   ? RB_Tcm
                           : FExerciseType == 1 ? RB_RandomWords
                                                : RB_CopyFromClipboard;
    source->setChecked(true);
    ReadPatternFile();
}

bool TExerciseSources::Prepare(bool drillRunning) {
    if (RB_Tcm->isChecked()) return LoadExercise();
    // The clipboard's drill, when it started, keeps the focus in the typing field.
    if (!RB_RandomWords->isChecked()) return !drillRunning;
    const int count = LB_PatternChars->count();
    LB_PatternChars->setCurrentRow(std::min<int>(FPatternIndex, count - 1));
    if (FPatternIndex != -1) return true;
    LB_PatternChars->setFocus();
    return false;
}

void TExerciseSources::Play() {
    if (RB_Tcm->isChecked())
        PlayExercise();
    else if (RB_RandomWords->isChecked())
        PlayRandomWords();
    else if (RB_CopyFromClipboard->isChecked())
        PlayClipboard();
}

void TExerciseSources::RG_TypeClick() {
    const bool tcm = RB_Tcm->isChecked();
    const bool random = RB_RandomWords->isChecked();
    BB_Load->setEnabled(tcm);
    SetPatternControlsEnabled(random);
    if (!tcm && !random) PlayClipboard();
    SetRepeatLineVisible(!random);
    CB_RepeatWord->setVisible(random);
}

void TExerciseSources::SetPatternControlsEnabled(bool enabled) {
    for (QWidget* w : {static_cast<QWidget*>(L_PatternChars), static_cast<QWidget*>(LB_PatternChars),
                       static_cast<QWidget*>(L_CharsCount), static_cast<QWidget*>(SE_CharsCount),
                       static_cast<QWidget*>(L_WordsCount), static_cast<QWidget*>(SE_WordsCount)})
        w->setEnabled(enabled);
}

void TExerciseSources::SetRepeatLineVisible(bool visible) {
    SE_RepeatLine->setVisible(visible);
    L_RepeatLine->setVisible(visible);
}

void TExerciseSources::ReadPatternFile() {
    FPatternLines.clear();
    LB_PatternChars->clear();
    const std::string fileName(kPatternFileName);
    if (!CheckFileExists(fileName)) return;
    std::string content;
    try {
        content = ReadWholeFile(fileName, kPatternFileMaxBytes);
    } catch (const TAppError& error) {
        // Reported as any unexpected failure, but the activation that reads the
        // file goes on with an empty list.
        GeneralErrorReport(error.what());
        return;
    }
    TPatternFile file = ParsePatternFile(content);
    for (const std::string& name : file.Names) LB_PatternChars->addItem(FromAnsi(name));
    FPatternLines = std::move(file.Lines);
    if (!file.PatternError.empty()) PatternError(file.PatternError);
}

void TExerciseSources::PatternError(const std::string& message) {
    ErrorBox(message);
    FPatternLines.clear();
}

void TExerciseSources::PlayRandomWords() {
    // After a bad line the names accepted before it stay listed without a line
    // behind them: such a name counts as no pattern chosen.
    const QListWidgetItem* item = LB_PatternChars->currentItem();
    const int row = item && item->isSelected() ? LB_PatternChars->currentRow() : -1;
    if (row < 0 || static_cast<std::size_t>(row) >= FPatternLines.size()) {
        ErrorBox(std::string(kMsgChoosePattern));
        LB_PatternChars->setFocus();
        return;
    }
    FHost.SetSource(ToAnsi(item->text()));
    PlayRandomWordsOn(PatternChars(FPatternLines[static_cast<std::size_t>(row)]));
}

void TExerciseSources::PlayRandomWordsOn(const std::string& chars) {
    FHost.SetWordList({});  // gives the old list's memory back first
    FHost.SetWordList(GenerateRandomWords(chars, static_cast<std::size_t>(SE_CharsCount->value()),
                                          static_cast<std::size_t>(SE_WordsCount->value()), ClockSeed()));
    FHost.StartDrill();
}

void TExerciseSources::BB_LoadClick() {
    QFileDialog dialog(FDialogParent, FromUtf8(kTcmDialogTitle));
    dialog.setNameFilter(FromUtf8(kTcmFilter));
    dialog.setDefaultSuffix(FromUtf8(kTcmSuffix));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setSizeGripEnabled(true);
    UseProgramFileDialog(dialog);
    if (FileExists(OD_Tcm.FileName)) {
        const QFileInfo current(QString::fromStdString(OD_Tcm.FileName));
        dialog.setDirectory(current.absolutePath());
        dialog.selectFile(current.absoluteFilePath());
    }
    if (RunModal(dialog) != QDialog::Accepted) return;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty()) return;
    SetTcmFileName(QFile::encodeName(chosen.first()).toStdString());
    // Drilled all the same; the settings then remember no exercise file.
    if (!IsStorableIniValue(FTcmFileName)) WarningBox(Format(kMsgTcmNameNotStorable, FTcmFileName));
    PlayExercise();
}

void TExerciseSources::PlayExercise() {
    TWordList words;
    if (!ReadExercise(words)) return;
    if (words.empty()) {
        ErrorBox(std::string(kMsgNoExerciseWords));
        return;
    }
    FHost.SetWordList(std::move(words));
    FHost.SetSourceFile(FTcmFileName);
    FHost.StartDrill();
}

bool TExerciseSources::LoadExercise() {
    TWordList words;
    if (!ReadExercise(words)) return false;
    // A file without a suitable word leaves the list as it was.
    if (!words.empty()) FHost.SetWordList(std::move(words));
    return true;
}

bool TExerciseSources::ReadExercise(TWordList& words) {
    bool read = false;
    if (FTcmFileName.empty()) {
        ErrorBox(std::string(kMsgLoadExerciseFirst));
        BB_LoadClick();
    } else {
        // A file that cannot be read, or holds too many words, leaves the list and the
        // label as they were. A teacher's editor writes UTF-8.
        const TAnsiText text = FileTextToAnsi(ReadWholeFile(FTcmFileName, kExerciseMaxBytes));
        words = ExerciseWords(text.Bytes, static_cast<unsigned>(SE_RepeatLine->value()), FTcmFileName);
        if (!text.NotAnsi.empty())
            WarningBox(Format(Format(kMsgExerciseCharNotAnsi, text.NotAnsi), FTcmFileName));
        read = true;
    }
    L_TcmFN->setTextFormat(Qt::PlainText);
    L_TcmFN->setText(QString::fromStdString(BareFileName(FTcmFileName)));
    return read;
}

void TExerciseSources::PlayClipboard() {
    // Built aside: a clipboard without a suitable word leaves the list as it was.
    const QString text = QGuiApplication::clipboard()->text().normalized(QString::NormalizationForm_C);
    TWordList words = ClipboardWords(ClipboardAnsi(text), static_cast<unsigned>(SE_RepeatLine->value()));
    if (words.empty()) {
        ErrorBox(std::string(kMsgNoClipboardWords));
        return;
    }
    if (const std::string notAnsi = FirstCharNotAnsi(text); !notAnsi.empty())
        WarningBox(Format(kMsgClipboardCharNotAnsi, notAnsi));
    FHost.SetWordList(std::move(words));
    FHost.SetSource(kClipboardSource);
    FHost.StartDrill();
}

}  // namespace teclarium
