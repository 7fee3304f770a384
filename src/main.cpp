// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include <QDir>
#include <QFile>

#include "platform/ui/single_instance.h"
#include "platform/ui/x11_display.h"
#include "shell/application.h"
#include "shell/help_viewer.h"
#include "shell/settings_module.h"
#include "shell/typewriting_window.h"
#include "util/command_line.h"
#include "util/ui/message_boxes.h"
#include "util/window_system.h"

int main(int argc, char** argv) {
    // --help, --version and refused arguments end here, before anything needs a display.
    if (const auto exitCode = teclarium::HandleCommandLine(argc, argv)) return *exitCode;
    teclarium::TXDisplayCheck displayCheck;
    if (!teclarium::SelectWindowSystem([&](const char* name) { return displayCheck.Open(name); })) return 1;
    teclarium::TApplication app(argc, argv);
    // Qt holds its own connection now: the server keeps a client when the check's closes.
    displayCheck.Close();
    // A second copy hands over to the first and ends before reading any settings.
    teclarium::TSingleInstanceGuard guard(app.applicationName());
    if (!guard.Claim()) {
        teclarium::ErrorBox(teclarium::kMsgAlreadyRunning);
        return 0;
    }
    if (!guard.Unguarded().empty()) teclarium::WarningBox(guard.Unguarded());
    teclarium::TModIniLS modIniLS;
    // The data files are read from the current folder: make it the data folder.
    const std::string& dataDir = modIniLS.LoadSave().DataDir();
    if (!dataDir.empty()) QDir::setCurrent(QFile::decodeName(dataDir.c_str()));
    teclarium::InstallHelpViewer(modIniLS.LoadSave().HelpFileName());
    teclarium::TFTypewriting window;
    guard.ReleaseOnClose(window);
    window.show();
    return app.exec();
}
