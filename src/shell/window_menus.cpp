// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The main window's menus and their dialogs, and the button that hides the upper
// panel with the menus.
#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFrame>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>

#include "progress/history_file.h"
#include "progress/progress_texts.h"
#include "progress/ui/progress_window.h"
#include "report/ui/group_report_window.h"
#include "settings/load_save.h"
#include "settings/users.h"
#include "shell/course_standing.h"
#include "shell/drill_voice.h"
#include "shell/exercise_sources.h"
#include "shell/help_topics.h"
#include "shell/make_link_dialog.h"
#include "shell/program_about_box.h"
#include "shell/select_user_dialog.h"
#include "shell/speech_output.h"
#include "shell/typewriting_window.h"
#include "shell/unusual_options_dialog.h"
#include "shell/window_texts.h"
#include "util/ui/message_boxes.h"
#include "util/ui/modal.h"
#include "util/ui/reporting_failures.h"

namespace teclarium {
namespace {

constexpr int kBevelHeight = 2;

QAction* AddItem(QMenu* menu, const char* name, const char* caption) {
    QAction* item = menu->addAction(QString::fromUtf8(caption));
    item->setObjectName(QString::fromLatin1(name));
    return item;
}

}  // namespace

void TFTypewriting::CreateMenus() {
    // The menus are the window's own, never a desktop's global menu bar. Said before
    // the bar is made, so that Qt does not wait for the session bus to look for one.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    MainMenu1 = new QMenuBar(P_Client);
    MainMenu1->setObjectName("MainMenu1");
    // Alt+A and Alt+J open the menus; no caption of the options panel takes A or J.
    MI_File = MainMenu1->addMenu(QString::fromUtf8("&Arxiu"));
    MI_File->setObjectName("MI_File");
    MI_F_MkLink = AddItem(MI_File, "MI_F_MkLink", "&Crea accés directe...");
    MI_F_SeveralUsers = AddItem(MI_File, "MI_F_SeveralUsers", "&Diferents usuaris");
    MI_F_SeveralUsers->setCheckable(true);
    MI_F_UnusualOptions = AddItem(MI_File, "MI_F_UnusualOptions", "&Opcions inusuals...");
    MI_F_Progress = AddItem(MI_File, "MI_F_Progress", "&Progrés...");
    MI_F_Course = AddItem(MI_File, "MI_F_Course", "C&urs...");
    MI_F_GroupReport = AddItem(MI_File, "MI_F_GroupReport", "&Informe del grup...");
    MI_File->addSeparator()->setObjectName("MI_F_Sep");
    MI_F_Exit = AddItem(MI_File, "MI_F_Exit", "&Surt");
    MI_Help = MainMenu1->addMenu(QString::fromUtf8("A&juda"));
    MI_Help->setObjectName("MI_Help");
    MI_H_Introduction = AddItem(MI_Help, "MI_H_Introduction", "&Introducció");
    MI_H_Help = AddItem(MI_Help, "MI_H_Help", "Ajuda &concreta");
    MI_H_Help->setShortcut(QKeySequence(Qt::Key_F1));
    // F1 works with the menus hidden too.
    addAction(MI_H_Help);
    MI_H_Contents = AddItem(MI_Help, "MI_H_Contents", "Co&ntinguts");
    MI_Help->addSeparator()->setObjectName("MI_H_Sep1");
    MI_H_About = AddItem(MI_Help, "MI_H_About", "&Referència...");
    BSeparador = new QFrame(P_Client);
    BSeparador->setObjectName("BSeparador");
    BSeparador->setFrameShape(QFrame::HLine);
    BSeparador->setFrameShadow(QFrame::Sunken);
    // The bar keeps its height when its menus are hidden with the upper panel.
    MainMenu1->setFixedHeight(MainMenu1->sizeHint().height());

    // A failure in a menu's action gets the general error report; the program goes on.
    const auto onTriggered = [this](QAction* item, void (TFTypewriting::*handler)()) {
        connect(item, &QAction::triggered, this,
                [this, handler] { ReportingFailures([&] { (this->*handler)(); }); });
    };
    onTriggered(MI_F_MkLink, &TFTypewriting::MI_F_MkLinkClick);
    onTriggered(MI_F_SeveralUsers, &TFTypewriting::MI_F_SeveralUsersClick);
    onTriggered(MI_F_UnusualOptions, &TFTypewriting::MI_F_UnusualOptionsClick);
    onTriggered(MI_F_Progress, &TFTypewriting::MI_F_ProgressClick);
    onTriggered(MI_F_Course, &TFTypewriting::MI_F_CourseClick);
    onTriggered(MI_F_GroupReport, &TFTypewriting::MI_F_GroupReportClick);
    onTriggered(MI_F_Exit, &TFTypewriting::MI_F_ExitClick);
    onTriggered(MI_H_Introduction, &TFTypewriting::MI_H_IntroductionClick);
    onTriggered(MI_H_Help, &TFTypewriting::MI_H_HelpClick);
    onTriggered(MI_H_Contents, &TFTypewriting::MI_H_ContentsClick);
    onTriggered(MI_H_About, &TFTypewriting::MI_H_AboutClick);
    connect(BB_Hide, &QPushButton::clicked, this, &TFTypewriting::BB_HideClick);
    const std::array<QMenu*, 2> menus{MI_File, MI_Help};
    const std::array<Qt::Key, 2> letters{Qt::Key_A, Qt::Key_J};
    for (std::size_t i = 0; i < menus.size(); ++i) {
        auto* key = new QAction(this);
        key->setShortcut(QKeySequence(Qt::ALT | letters[i]));
        key->setEnabled(false);  // the menu bar's own mnemonic works while its menus show
        addAction(key);
        connect(key, &QAction::triggered, this, [this, menu = menus[i]] {
            SetTopPanelHidden(false);
            MainMenu1->setActiveAction(menu->menuAction());
        });
        FShowMenuKeys[i] = key;
    }
}

int TFTypewriting::MenuHeight() const {
    return MainMenu1->height() + kBevelHeight;
}

void TFTypewriting::MI_F_MkLinkClick() {
    MakeLinkProgram(FLinkHelpContext, FLinkName, this);
}

void TFTypewriting::MI_F_SeveralUsersClick() {
    SetSeveralUsers(!FSeveralUsers);
}

void TFTypewriting::SetSeveralUsers(bool value) {
    TUserSwitch users(
        FSeveralUsers, FUserName,
        {[this] { SaveSettings(); }, [this] { LoadSettings(); },
         [this] { return TFSelectUser::Ask(LoadSave().ProgramDir(), LoadSave().ProgramName(), this); },
         [](const std::string& question) { return ConfirmBox(question); },
         [this](bool checked) { MI_F_SeveralUsers->setChecked(checked); }});
    users.SetSeveralUsers(value);
}

void TFTypewriting::MI_H_AboutClick() {
    TBoxRefTW box(LoadSave().ProgramDir(), LoadSave().ProgramName(), this);
    RunModal(box);
}

void TFTypewriting::MI_F_ProgressClick() {
    ShowProgress(this, {HistoryFileName(SettingsFileName()), FKeyDisplay.KeyCharsList(),
                        [this](const std::string& chars) {
                            FRecorder.SetSource(kWeakKeysSource);
                            FSources->PlayRandomWordsOn(chars);
                        },
                        FColourBlind});
}

void TFTypewriting::MI_F_GroupReportClick() {
    ShowGroupReport(this, {LoadSave().ProgramDir(), LoadSave().ProgramName(), FKeyDisplay.KeyCharsList(),
                           CourseStandingReader(), FColourBlind, CertificateSaver(), SettingsFileName()});
}

void TFTypewriting::MI_F_UnusualOptionsClick() {
    TFUnusualOptions dialog(kUnusualOptionsHelpContext, this);
    dialog.CB_CenteredWindow->setChecked(FCenteredWindow);
    if (FOneHand) dialog.SetOneHand(true);
    dialog.CB_NaturalKeyboard->setChecked(FNaturalKeyboard);
    dialog.CB_ColourBlind->setChecked(FColourBlind);
    dialog.SetKeyboardChoice(FLayout.KeyboardChoice());
    dialog.SetSpeech(static_cast<int>(FVoice->Mode()), FVoice->Rate());
    if (RunModal(dialog) != QDialog::Accepted) return;
    FVoice->SetMode(static_cast<TSpeechMode>(dialog.Speech()), dialog.SE_SpeechRate->value());
    SetCenteredWindow(dialog.CB_CenteredWindow->isChecked());
    FOneHand = dialog.OneHand();
    FNaturalKeyboard = dialog.CB_NaturalKeyboard->isChecked();
    FColourBlind = dialog.CB_ColourBlind->isChecked();
    SetHandColours();
    FLayout.SetKeyboardChoice(dialog.KeyboardChoice());
}

void TFTypewriting::MI_F_ExitClick() {
    close();
}

void TFTypewriting::MI_H_IntroductionClick() {
    ShowHelpTopic("Introduction");
}

void TFTypewriting::MI_H_HelpClick() {
    ShowHelpTopic("MainWindow");
}

void TFTypewriting::MI_H_ContentsClick() {
    ShowHelpContents();
}

bool TFTypewriting::TopPanelHidden() const {
    return P_TopTop->isHidden();
}

void TFTypewriting::SetTopPanelHidden(bool hidden) {
    P_TopTop->setVisible(!hidden);
    MI_File->menuAction()->setVisible(!hidden);
    MI_Help->menuAction()->setVisible(!hidden);
    // While hidden the menu bar's own letters give way to the keys that show the menus
    // (two owners of one key would leave it to neither).
    for (QMenu* menu : {MI_File, MI_Help}) {
        if (!menu->property("captionWithLetter").isValid())
            menu->setProperty("captionWithLetter", menu->title());
        const QString caption = menu->property("captionWithLetter").toString();
        menu->setTitle(hidden ? QString(caption).remove(QLatin1Char('&')) : caption);
    }
    for (QAction* key : FShowMenuKeys) key->setEnabled(hidden);
    LayoutTypingArea();
}

void TFTypewriting::BB_HideClick() {
    SetTopPanelHidden(!TopPanelHidden());
}

}  // namespace teclarium
