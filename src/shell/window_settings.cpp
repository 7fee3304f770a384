// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The main window's options and last choices to and from the settings file.
#include <QCheckBox>
#include <QListWidget>
#include <QRadioButton>
#include <QSpinBox>

#include "settings/ini_file.h"
#include "settings/load_save.h"
#include "settings/settings_table.h"
#include "shell/settings_module.h"
#include "shell/speech_output.h"
#include "shell/typewriting_window.h"
#include "util/app_error.h"
#include "util/ui/file_prompts.h"
#include "util/ui/message_boxes.h"

namespace teclarium {
namespace {

// Sets a box without its change handler; the caller runs the handler itself, so
// that it runs even when the value equals the one the box shows.
void SetSpinValue(QSpinBox* box, int value) {
    const QSignalBlocker block(box);
    box->setValue(value);
}

// A box's text, not its value: a text that is no number (the box emptied) saves
// the minimum, where the value would still be the last number shown.
int SavedValue(const QSpinBox* box) {
    return SavedSpinValue(box->cleanText().toStdString(), box->minimum());
}

}  // namespace

THlpIniFLoadSave& TFTypewriting::LoadSave() const {
    if (!ModIniLS) throw std::logic_error("the settings module is made before the main window");
    return *ModIniLS->FLoadSave;
}

std::string TFTypewriting::SettingsFileName() const {
    const THlpIniFLoadSave& loadSave = LoadSave();
    if (FSeveralUsers && !FUserName.empty()) return loadSave.FProgramDir + FUserName + ".ini";
    return loadSave.FIniFileName;
}

void TFTypewriting::LoadSettings() {
    TSettings s;
    bool colourBlind = false;
    try {
        const TNewIniFile file(SettingsFileName());
        s = ReadSettings(file);
        colourBlind = file.ReadBool(kOptionsSection, kKeyColourBlind, false);
    } catch (const TAppError& error) {
        // Reported as any unexpected failure; the window goes on with the defaults.
        GeneralErrorReport(error.what());
    }
    // A relative name is taken in the current folder.
    FTcmFileName.clear();
    if (!s.TcmFN.empty() && CheckFileExists(s.TcmFN)) {
        FTcmFileName = s.TcmFN;
        OD_Tcm.FileName = s.TcmFN;
    }
    FExerciseType = static_cast<std::uint8_t>(s.Type);
    FPatternIndex = static_cast<std::int8_t>(s.ItemIndexIni);
    SE_CharsCount->setValue(s.CharsCount);
    SE_WordsCount->setValue(s.WordsCount);
    SE_RepeatLine->setValue(s.RepeatLine);
    CB_RepeatWord->setChecked(s.RepeatWord);
    CB_RepeatWrongWord->setChecked(s.RepeatWrongWord);
    CB_ShowIncorrectKey->setChecked(s.ShowIncorrectKey);
    SetShowKeyboard(s.ShowKeyboard);
    CB_ShowKeyToType->setChecked(s.ShowKeyToType);
    CB_WriteWrongChar->setChecked(s.WriteWrongChar);
    SetSpinValue(SE_EditFontSize, s.EditFontSize);
    SE_EditFontSizeChange();
    SetSpinValue(SE_VKFontSize, s.VKFontSize);
    SE_VKFontSizeChange();
    FOneHand = s.OneHand;
    FNaturalKeyboard = s.NaturalKeyboard;
    FColourBlind = colourBlind;
    // A change of user changes the hands' zones at once; at start the first
    // activation colours them.
    if (FActivated) SetHandColours();
    if (CB_KBSeparated->isChecked() != s.KBSeparated) {
        CB_KBSeparated->setChecked(s.KBSeparated);
        CB_KBSeparatedClick();
    }
    SetCenteredWindow(s.CenteredWindow);
    SetKeyboardChoice(s.Keyboard);
    FSpeech->SetMode(static_cast<TSpeechMode>(s.Speech), s.SpeechRate);
}

void TFTypewriting::SaveSettings() {
    TNewIniFile file(SettingsFileName());
    TSettings s;
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
    s.RepeatWord = CB_RepeatWord->isChecked();
    s.RepeatWrongWord = CB_RepeatWrongWord->isChecked();
    s.ShowIncorrectKey = CB_ShowIncorrectKey->isChecked();
    s.ShowKeyboard = FShowKeyboard;
    s.ShowKeyToType = CB_ShowKeyToType->isChecked();
    s.WriteWrongChar = CB_WriteWrongChar->isChecked();
    s.EditFontSize = SavedValue(SE_EditFontSize);
    s.VKFontSize = SavedValue(SE_VKFontSize);
    s.OneHand = FOneHand;
    s.NaturalKeyboard = FNaturalKeyboard;
    s.KBSeparated = CB_KBSeparated->isChecked();
    s.CenteredWindow = FCenteredWindow;
    s.Keyboard = KeyboardChoice();
    s.Speech = static_cast<int>(FSpeech->Mode());
    s.SpeechRate = FSpeech->Rate();
    WriteSettings(file, s);
    file.WriteBool(kOptionsSection, kKeyColourBlind, FColourBlind);
    file.UpdateFile();
}

}  // namespace teclarium
