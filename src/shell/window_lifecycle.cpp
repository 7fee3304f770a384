// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The main window's life: creation, first activation, closing and destruction, in
// their order, and its place on the screen.
#include <QCloseEvent>
#include <QFile>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "keyboard/ui/app_message_hook.h"
#include "platform/shell_links.h"
#include "settings/load_save.h"
#include "settings/settings_table.h"
#include "shell/exercise_sources.h"
#include "shell/typewriting_window.h"
#include "shell/window_texts.h"
#include "util/app_error.h"
#include "util/ui/message_boxes.h"
#include "util/ui/placement.h"
#include "util/ui/reporting_failures.h"

namespace teclarium {

void TFTypewriting::FormCreate() {
    FMinPanelWidth = GB_Type->width() + 12;
    Panel1->resize(FMinPanelWidth, Panel1->height());
    FLinkHelpContext = kMakeLinkHelpContext;
    FLinkName = kTitle;
    FKeyboardState->SwitchCapsLockOff();
    L_Count->setToolTip(QString::fromUtf8(kHintCount));
    L_ErrorsCount->setToolTip(QString::fromUtf8(kHintErrors));
    BuildKeyboard();  // installs the message hook, then builds the keys
    FLayout.LoadKeyMapping();
    bool severalUsers = false;
    bool mkLink = true;
    THlpIniFLoadSave& loadSave = LoadSave();
    try {
        loadSave.OpenIniFile();
        severalUsers = loadSave.IniFile().ReadBool(kOptionsSection, kKeySeveralUsers, false);
        mkLink = loadSave.IniFile().ReadBool(kOptionsSection, kKeyMkLink, true);
    } catch (const TAppError& error) {
        // Reported as any unexpected failure; the start goes on with the defaults.
        GeneralErrorReport(error.what());
    }
    // An installed program is in the menus already: no offer.
    if (mkLink && !InstalledInMenu(QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString()))
        MI_F_MkLinkClick();
    loadSave.CloseIniFile();
    SetSeveralUsers(severalUsers);
    if (FUserName.empty()) LoadSettings();
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive)
            AppliOnActivate();
        else
            AppliOnDeactivate();
    });
}

bool TFTypewriting::event(QEvent* e) {
    // The first activation prepares the window; later ones do nothing here.
    if (e->type() == QEvent::WindowActivate && !FActivated) {
        FActivated = true;
        const bool result = QWidget::event(e);
        FormActivate();
        return result;
    }
    return QWidget::event(e);
}

void TFTypewriting::showEvent(QShowEvent* e) {
    if (!std::exchange(FPlaced, true)) {
        FitToScreen();  // on the screen it shows on
        CentreOnScreen(*this);
    }
    QWidget::showEvent(e);
}

void TFTypewriting::SetCenteredWindow(bool value) {
    FCenteredWindow = value;
    if (value) return;
    const QScreen* screen = this->screen();
    move(x(), screen ? screen->geometry().top() : 0);
}

void TFTypewriting::FormActivate() {
    SetCenteredWindow(FCenteredWindow);
    if (FKeyDisplay.KeyCharsList().empty()) {
        close();
        return;
    }
    FSources->Activate();
    MeasureCharWidth();
    SetHandColours();
    NameCharKeys();
    LayoutKeyboard();
    if (FSources->Prepare(FDrill.DrillRunning())) BB_Play->setFocus();
}

void TFTypewriting::FormDestroy() {
    // The message hook goes before the members it uses; the members free the key
    // list, the word list and the pattern lines.
    delete findChild<TAppMessageHook*>(QString(), Qt::FindDirectChildrenOnly);
}

void TFTypewriting::closeEvent(QCloseEvent* e) {
    FormClose();
    e->accept();
}

void TFTypewriting::FormClose() {
    ShowPracticeSummary();
    // A settings file that cannot be written is reported; the window still closes,
    // and a shared file that fails does not keep the current settings from their file.
    bool failed = true;
    THlpIniFLoadSave& loadSave = LoadSave();
    ReportingFailures([&] {
        loadSave.OpenIniFile();
        loadSave.IniFile().WriteBool(kOptionsSection, kKeySeveralUsers, FSeveralUsers);
        loadSave.IniFile().WriteBool(kOptionsSection, kKeyMkLink, false);
        loadSave.IniFile().UpdateFile();
        failed = false;
    });
    loadSave.CloseIniFile();
    // Each write asks about a read-only file, the same one too; a shared file that
    // could not be read or written is not tried a second time.
    if (!failed || SettingsFileName() != loadSave.IniFileName())
        ReportingFailures([this] { SaveSettings(); });
}

}  // namespace teclarium
