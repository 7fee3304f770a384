// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The main window: the options panel, the typing area and the on-screen keyboard.
// Its handlers translate events, read the option boxes at that moment, call the
// logic objects and show their state; no rule is decided here. The methods are
// defined in shell/, one file per concern: window_drill, window_keyboard,
// window_keyboard_layout, window_typing_area, window_lifecycle, window_settings,
// window_menus, window_course, options_panel and typewriting_window (controls).
// The concerns with a state of their own are objects it owns, each given only what
// it uses: TDrillVoice (speech), TLayoutFollower (the keyboard layout),
// TExerciseSources and TCourseLink. Its settings and controls are its own; tests
// find the controls by their object names.
#pragma once

#include <QWidget>
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "drill/clock.h"
#include "drill/drill.h"
#include "drill/drill_options.h"
#include "drill/ui/typing_host.h"
#include "keyboard/key_display.h"
#include "keyboard/key_names.h"
#include "platform/keyboard_state.h"
#include "progress/drill_recorder.h"
#include "shell/exercise_sources.h"
#include "shell/layout_follower.h"

class QAction;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QListWidget;
class QMenu;
class QMenuBar;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QSpinBox;

namespace teclarium {

class TCourseLink;
class THlpIniFLoadSave;
class TDrillVoice;
class TKeyPanel;
class TTypingEdit;

// Platform services the window uses; null members take the real ones.
struct TWindowPlatform {
    const TClock* Clock = nullptr;
    std::unique_ptr<TKeyboardState> Keyboard;
};

// One key of the on-screen keyboard: its face and the finger-zone frame behind it.
struct TKeyControls {
    TKeyPanel* Panel = nullptr;
    QFrame* Frame = nullptr;
};

// The sources' controls are its own, handed to the sources' owner as they are.
class TFTypewriting : public QWidget,
                      private TDrillOptions,
                      private TDrillHost,
                      private TTypingHost,
                      private TSourceControls {
    Q_OBJECT

  public:
    explicit TFTypewriting(TWindowPlatform platform = {}, QWidget* parent = nullptr);
    ~TFTypewriting() override;

    TDrill& Drill() { return FDrill; }
    TKeyDisplay& KeyDisplay() { return FKeyDisplay; }

    // --- Drill (shell/window_drill.cpp) ---
    void BB_PlayClick();
    void StartDrill();
    // TTypingHost: the typing field's keys.
    void EditKeyDown(int& key) override;
    void EditKeyPress(unsigned char& key) override;
    void RefocusTyping();
    void CB_RepeatWordClick() { RefocusTyping(); }
    void CB_RepeatWrongWordClick() { RefocusTyping(); }
    void CB_ShowIncorrectKeyClick() { RefocusTyping(); }
    void CB_WriteWrongCharClick() { RefocusTyping(); }
    void AppliOnActivate();
    void AppliOnDeactivate();
    void ShowPracticeSummary();
    void MeasureCharWidth();
    // Makes the controls show the drill's state (labels, field, lamps).
    void ShowDrillState();

    // The exercise sources (shell/exercise_sources.h).
    TExerciseSources& Sources() { return *FSources; }

    // --- On-screen keyboard (shell/window_keyboard.cpp, window_keyboard_layout.cpp) and
    // typing area (shell/window_typing_area.cpp) ---
    void BuildKeyboard();
    void CreateCharKey(int number, int code);
    void CreateSpecialKey(int number, const QString& caption);
    // The key display took new key records: the keys, the voice and the course follow.
    void KeyboardChanged();
    // The keyboard layout shown (shell/layout_follower.h).
    TLayoutFollower& Layout() { return FLayout; }
    // The character keys' names for screen readers, at the first activation with the
    // captions: turning the key mapping's characters into text before the window
    // shows would load the character tables then.
    void NameCharKeys();
    void LayoutKeyboard();
    void SetHandColours();
    void SetShowKeyboard(bool value);
    void ArrangeWindow();
    // The window as large as its content, within the screen's room: a smaller screen
    // scrolls it.
    void FitToScreen();
    void LayoutTypingArea();
    void SE_VKFontSizeChange();
    void CB_KBSeparatedClick();
    void SE_EditFontSizeChange();
    void CB_ShowKeyboardClick();
    void P_VirtualKeyboardClick();
    // The application's message hook: follows Shift, Ctrl/AltGr and Caps Lock as an
    // input event left them. Returns true when the event is to be consumed.
    bool AppMessage(const TModifierState& state);
    // A dead key's press that the compose input method keeps from the typing field.
    void DeadKeyDown(int virtualKey);
    // Repaints the keys whose colour or caption changed.
    void ShowKeyDisplay();

    // --- Shell: life of the window (shell/window_lifecycle.cpp) ---
    void FormCreate();
    void FormActivate();
    void FormClose();
    void FormDestroy();
    void SetCenteredWindow(bool value);

    // --- Shell: settings (shell/window_settings.cpp) ---
    std::string SettingsFileName() const;
    void LoadSettings();
    void SaveSettings();

    // --- Shell: the course (shell/course_link.h) ---
    void MI_F_CourseClick();
    // A drill on a lesson's words, recorded as a course drill.
    void StartCourseDrill(const std::vector<std::string>& words);

    // --- Shell: menus and the upper panel (shell/window_menus.cpp) ---
    void MI_F_MkLinkClick();
    void MI_F_SeveralUsersClick();
    void SetSeveralUsers(bool value);
    void MI_F_UnusualOptionsClick();
    void MI_F_ProgressClick();
    void MI_F_GroupReportClick();
    void MI_F_ExitClick();
    void MI_H_IntroductionClick();
    void MI_H_HelpClick();
    void MI_H_ContentsClick();
    void MI_H_AboutClick();
    bool TopPanelHidden() const;
    void SetTopPanelHidden(bool hidden);
    void BB_HideClick();
    // Height of the menu bar and the bevel under it, above the client area.
    int MenuHeight() const;

  protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

  private:
    // TDrillOptions: the check boxes, read when asked.
    bool RepeatWrongWord() const override;
    bool RepeatWord() const override;
    bool WriteWrongChar() const override;
    bool ShowIncorrectKey() const override;
    bool ShowKeyToType() const override;
    bool OneHand() const override { return FOneHand; }
    // TDrillHost
    void ShowResults(const std::string& text) override;

    void CreateControls();
    // The owners of speech, the course and the exercise sources, given their controls.
    void CreateOwners();
    // The names screen readers say of the controls without a caption of their own.
    void NameControls();
    void CreateOptionsPanel();
    void CreateMenus();
    void ConnectHandlers();
    THlpIniFLoadSave& LoadSave() const;
    // Caches of what the drill area shows, so only changes touch the widgets.
    struct TShownDrill {
        std::string ToWrite, ToNextWrite;
        std::int32_t Count = -1;
        int Errors = -1;
        int IncorrectKey = -1;
        int Running = -1;
        // The keys lit when the keyboard's name last said the next key.
        TLitKeys LitKeys;
    } FShown;

    TSystemClock FSystemClock;
    const TClock& FClock;
    std::unique_ptr<TKeyboardState> FKeyboardState;
    TKeyDisplay FKeyDisplay;
    TDrill FDrill;
    TLayoutFollower FLayout;
    // Remembers each reported drill in the current settings file's history.
    TDrillRecorder FRecorder;
    // Says the drill's utterances; made with the typing field.
    std::unique_ptr<TDrillVoice> FVoice;
    std::unique_ptr<TExerciseSources> FSources;
    std::unique_ptr<TCourseLink> FCourse;
    bool FActivated = false;
    bool FPlaced = false;  // centred on the screen when first shown

    // Fields (settings until the settings store loads them: its defaults).
    std::uint8_t FVKFontSize = 13;
    std::uint8_t FEditFontSize = 16;
    bool FShowKeyboard = true;
    bool FOneHand = false;
    bool FNaturalKeyboard = false;
    bool FCenteredWindow = false;
    bool FColourBlind = false;  // the keyboard's and heat map's colour-blind palette
    bool FSeveralUsers = false;
    std::string FUserName;
    int FLinkHelpContext = 0;
    std::string FLinkName;
    int FMinPanelWidth = 0;
    int FCharWidth = 0;

    // Controls, named as in the window design. All lie on P_Client, which scrolls
    // when the screen is smaller than the window.
    QScrollArea* SB_Window = nullptr;
    QWidget* P_Client = nullptr;
    QMenuBar* MainMenu1 = nullptr;
    QMenu* MI_File = nullptr;
    QAction* MI_F_MkLink = nullptr;
    QAction* MI_F_SeveralUsers = nullptr;
    QAction* MI_F_UnusualOptions = nullptr;
    QAction* MI_F_Progress = nullptr;
    QAction* MI_F_Course = nullptr;
    QAction* MI_F_GroupReport = nullptr;
    QAction* MI_F_Exit = nullptr;
    QMenu* MI_Help = nullptr;
    QAction* MI_H_Introduction = nullptr;
    QAction* MI_H_Help = nullptr;
    QAction* MI_H_Contents = nullptr;
    QAction* MI_H_About = nullptr;
    QFrame* BSeparador = nullptr;
    QWidget* Panel1 = nullptr;
    QWidget* P_TopTop = nullptr;
    QWidget* P_TopBottom = nullptr;
    QWidget* P_VirtualKeyboard = nullptr;
    // The sources' radio buttons, list and counts: TSourceControls.
    QGroupBox* GB_Type = nullptr;
    QCheckBox* CB_RepeatWrongWord = nullptr;
    QCheckBox* CB_WriteWrongChar = nullptr;
    QCheckBox* CB_ShowIncorrectKey = nullptr;
    QCheckBox* CB_ShowKeyboard = nullptr;
    QCheckBox* CB_ShowKeyToType = nullptr;
    QCheckBox* CB_KBSeparated = nullptr;
    QGroupBox* GB_FontSize = nullptr;
    QLabel* L_VKFontSize = nullptr;
    QSpinBox* SE_VKFontSize = nullptr;
    QLabel* L_EditFontSize = nullptr;
    QSpinBox* SE_EditFontSize = nullptr;
    QLabel* L_Count = nullptr;
    QLabel* L_ErrorsCount = nullptr;
    QLabel* L_ToWrite = nullptr;
    QLabel* L_ToNextWrite = nullptr;
    QLabel* L_IncorrectKey = nullptr;
    TTypingEdit* Edit = nullptr;
    QLabel* L_TypeEsc = nullptr;
    QPushButton* BB_Play = nullptr;
    QPushButton* BB_Hide = nullptr;
    // Alt+A and Alt+J while the menus are hidden: they show them and open their menu.
    std::array<QAction*, 2> FShowMenuKeys{};
    TKeyPanel* P_SpaceBar = nullptr;
    TKeyPanel* P_AltGr = nullptr;
    // Keys 1..52 (index 0 unused): 1..48 character keys, then CapsLock, left and
    // right Shift and Backspace.
    std::array<TKeyControls, 53> FKeys{};
};

}  // namespace teclarium
