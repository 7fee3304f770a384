// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The exercise sources of the main window: the type radio buttons, the pattern
// list and its random words, the exercise file and the clipboard. It drives the
// options panel's source controls and hands the words it reads to the drill.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "drill/word_list.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QWidget;

namespace teclarium {

struct TSettings;

// The open dialog's memory between uses: the file it starts at.
struct TOpenDialogName {
    std::string FileName;
};

// The options panel's controls of the sources.
struct TSourceControls {
    QRadioButton* RB_Tcm = nullptr;
    QRadioButton* RB_RandomWords = nullptr;
    QRadioButton* RB_CopyFromClipboard = nullptr;
    QPushButton* BB_Load = nullptr;
    QLabel* L_TcmFN = nullptr;
    QLabel* L_PatternChars = nullptr;
    QListWidget* LB_PatternChars = nullptr;
    QLabel* L_CharsCount = nullptr;
    QSpinBox* SE_CharsCount = nullptr;
    QLabel* L_WordsCount = nullptr;
    QSpinBox* SE_WordsCount = nullptr;
    QLabel* L_RepeatLine = nullptr;
    QSpinBox* SE_RepeatLine = nullptr;
    QCheckBox* CB_RepeatWord = nullptr;
};

// What the sources ask of the window: the drill's words, the name its history
// gives them, and the drill's start.
struct TSourcesHost {
    std::function<void(TWordList words)> SetWordList;
    std::function<void(std::string source)> SetSource;
    std::function<void(const std::string& file)> SetSourceFile;
    std::function<void()> StartDrill;
};

class TExerciseSources : private TSourceControls {
  public:
    // dialogParent: the window the file dialog shows over.
    TExerciseSources(const TSourceControls& controls, TSourcesHost host, QWidget* dialogParent);

    // The saved choices (exercise file, type, pattern, counts) to and from the settings.
    void LoadSettings(const TSettings& s);
    void SaveSettings(TSettings& s) const;
    // The first activation: the saved type chosen (the clipboard's starts its drill)
    // and the patterns listed.
    void Activate();
    // Then the saved exercise read, or the saved pattern selected (none saved: the
    // list takes the focus). True when the start button is to take the focus.
    bool Prepare(bool drillRunning);

    // The start button: a drill from the chosen source.
    void Play();
    void RG_TypeClick();
    void BB_LoadClick();
    // A random-words drill on the given characters, with the current "N. caràcters"
    // and "N. paraules".
    void PlayRandomWordsOn(const std::string& chars);
    // Reads the chosen exercise into the drill's words without starting it; false
    // when no file is chosen.
    bool LoadExercise();
    void ReadPatternFile();
    void SetPatternControlsEnabled(bool enabled);
    void SetRepeatLineVisible(bool visible);

    // The exercise file chosen, where the open dialog starts too.
    const std::string& TcmFileName() const { return FTcmFileName; }
    void SetTcmFileName(const std::string& name);
    // How many patterns the pattern file gave.
    std::size_t PatternCount() const { return FPatternLines.size(); }

  private:
    void PlayRandomWords();
    void PlayExercise();
    // Reads the chosen exercise's words into words; false when no file is chosen.
    bool ReadExercise(TWordList& words);
    void PlayClipboard();
    // Shows the message about the pattern file's bad line and drops its lines.
    void PatternError(const std::string& message);

    TSourcesHost FHost;
    QWidget* FDialogParent;
    // Settings until the settings file loads them: its defaults.
    std::string FTcmFileName;
    TOpenDialogName OD_Tcm;
    std::uint8_t FExerciseType = 0;
    std::int8_t FPatternIndex = 0;
    std::vector<std::string> FPatternLines;
};

}  // namespace teclarium
