// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The main window's options and last choices to and from the settings file.
#include <QCheckBox>
#include <QSpinBox>

#include "settings/ini_file.h"
#include "settings/load_save.h"
#include "settings/settings_table.h"
#include "shell/drill_voice.h"
#include "shell/exercise_sources.h"
#include "shell/settings_module.h"
#include "shell/speech_output.h"
#include "shell/spin_values.h"
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

}  // namespace

THlpIniFLoadSave& TFTypewriting::LoadSave() const {
    if (!ModIniLS) throw std::logic_error("the settings module is made before the main window");
    return ModIniLS->LoadSave();
}

std::string TFTypewriting::SettingsFileName() const {
    const THlpIniFLoadSave& loadSave = LoadSave();
    if (FSeveralUsers && !FUserName.empty()) return loadSave.ProgramDir() + FUserName + ".ini";
    return loadSave.IniFileName();
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
    FSources->LoadSettings(s);
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
    FLayout.SetKeyboardChoice(s.Keyboard);
    FVoice->SetMode(static_cast<TSpeechMode>(s.Speech), s.SpeechRate);
}

void TFTypewriting::SaveSettings() {
    TNewIniFile file(SettingsFileName());
    TSettings s;
    FSources->SaveSettings(s);
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
    s.Keyboard = FLayout.KeyboardChoice();
    s.Speech = static_cast<int>(FVoice->Mode());
    s.SpeechRate = FVoice->Rate();
    WriteSettings(file, s);
    file.WriteBool(kOptionsSection, kKeyColourBlind, FColourBlind);
    file.UpdateFile();
}

}  // namespace teclarium
