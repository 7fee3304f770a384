// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The exercise sources' handlers of the main window: the type radio buttons, the
// pattern list, the exercise file and the clipboard.
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
#include "shell/typewriting_window.h"
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
void TFTypewriting::RG_TypeClick() {
    const bool tcm = RB_Tcm->isChecked();
    const bool random = RB_RandomWords->isChecked();
    BB_Load->setEnabled(tcm);
    SetPatternControlsEnabled(random);
    if (!tcm && !random) PlayClipboard();
    SetRepeatLineVisible(!random);
    CB_RepeatWord->setVisible(random);
}

void TFTypewriting::SetPatternControlsEnabled(bool enabled) {
    for (QWidget* w : {static_cast<QWidget*>(L_PatternChars), static_cast<QWidget*>(LB_PatternChars),
                       static_cast<QWidget*>(L_CharsCount), static_cast<QWidget*>(SE_CharsCount),
                       static_cast<QWidget*>(L_WordsCount), static_cast<QWidget*>(SE_WordsCount)})
        w->setEnabled(enabled);
}

void TFTypewriting::SetRepeatLineVisible(bool visible) {
    SE_RepeatLine->setVisible(visible);
    L_RepeatLine->setVisible(visible);
}

void TFTypewriting::ReadPatternFile() {
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

void TFTypewriting::PatternError(const std::string& message) {
    ErrorBox(message);
    FPatternLines.clear();
}

void TFTypewriting::PlayRandomWords() {
    // After a bad line the names accepted before it stay listed without a line
    // behind them: such a name counts as no pattern chosen.
    const QListWidgetItem* item = LB_PatternChars->currentItem();
    const int row = item && item->isSelected() ? LB_PatternChars->currentRow() : -1;
    if (row < 0 || static_cast<std::size_t>(row) >= FPatternLines.size()) {
        ErrorBox(std::string(kMsgChoosePattern));
        LB_PatternChars->setFocus();
        return;
    }
    FRecorder.SetSource(ToAnsi(item->text()));
    PlayRandomWordsOn(PatternChars(FPatternLines[static_cast<std::size_t>(row)]));
}

void TFTypewriting::PlayRandomWordsOn(const std::string& chars) {
    FDrill.SetWordList({});  // gives the old list's memory back first
    FDrill.SetWordList(GenerateRandomWords(chars, static_cast<std::size_t>(SE_CharsCount->value()),
                                           static_cast<std::size_t>(SE_WordsCount->value()), ClockSeed()));
    StartDrill();
}

void TFTypewriting::BB_LoadClick() {
    QFileDialog dialog(this, FromUtf8(kTcmDialogTitle));
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
    OD_Tcm.FileName = FTcmFileName = QFile::encodeName(chosen.first()).toStdString();
    // Drilled all the same; the settings then remember no exercise file.
    if (!IsStorableIniValue(FTcmFileName)) WarningBox(Format(kMsgTcmNameNotStorable, FTcmFileName));
    PlayExercise();
}

void TFTypewriting::PlayExercise() {
    TWordList words;
    if (!ReadExercise(words)) return;
    if (words.empty()) {
        ErrorBox(std::string(kMsgNoExerciseWords));
        return;
    }
    FDrill.SetWordList(std::move(words));
    FRecorder.SetSourceFile(FTcmFileName);
    StartDrill();
}

bool TFTypewriting::LoadExercise() {
    TWordList words;
    if (!ReadExercise(words)) return false;
    // A file without a suitable word leaves the list as it was.
    if (!words.empty()) FDrill.SetWordList(std::move(words));
    return true;
}

bool TFTypewriting::ReadExercise(TWordList& words) {
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

void TFTypewriting::PlayClipboard() {
    // Built aside: a clipboard without a suitable word leaves the list as it was.
    const QString text = QGuiApplication::clipboard()->text().normalized(QString::NormalizationForm_C);
    TWordList words = ClipboardWords(ClipboardAnsi(text), static_cast<unsigned>(SE_RepeatLine->value()));
    if (words.empty()) {
        ErrorBox(std::string(kMsgNoClipboardWords));
        return;
    }
    if (const std::string notAnsi = FirstCharNotAnsi(text); !notAnsi.empty())
        WarningBox(Format(kMsgClipboardCharNotAnsi, notAnsi));
    FDrill.SetWordList(std::move(words));
    FRecorder.SetSource(kClipboardSource);
    StartDrill();
}

}  // namespace teclarium
