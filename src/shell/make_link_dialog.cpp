// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "shell/make_link_dialog.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QFile>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/shell_links.h"
#include "util/app_error.h"
#include "util/messages.h"
#include "util/text.h"
#include "util/ui/message_boxes.h"
#include "util/ui/modal.h"
#include "util/ui/radio_tab_stop.h"
#include "util/ui/reporting_failures.h"

namespace teclarium {
namespace {

constexpr const char* kHintAlreadyInMenu = "El programa instal·lat ja és al menú d'aplicacions";

}  // namespace

TFMakeLinkProgram::TFMakeLinkProgram(int helpContext, QWidget* parent) : TFBBOkCnHlp(helpContext, parent) {
    setWindowTitle(QString::fromUtf8("Creació d'una drecera al programa"));
    RG_PresetDirs = new QGroupBox(QString::fromUtf8("Directoris preassignats"), this);
    RG_PresetDirs->setObjectName("RG_PresetDirs");
    auto* layout = new QVBoxLayout(RG_PresetDirs);
    FItems = new QButtonGroup(this);
    int index = 0;
    for (const char* caption : {"&Menú de programes", "Menú d'&inici", "&Escriptori"}) {
        auto* item = new QRadioButton(QString::fromUtf8(caption), RG_PresetDirs);
        item->setObjectName(QStringLiteral("RG_PresetDirs%1").arg(index));
        FItems->addButton(item, index++);
        layout->addWidget(item);
    }
    SetItemIndex(2);
    TabStopOnChecked(FItems->buttons());
    Body()->addWidget(RG_PresetDirs);
}

int TFMakeLinkProgram::ItemIndex() const {
    return FItems->checkedId();
}

void TFMakeLinkProgram::SetItemIndex(int index) {
    if (QAbstractButton* item = FItems->button(index)) item->setChecked(true);
}

void TFMakeLinkProgram::OfferDesktopOnly() {
    SetItemIndex(2);
    for (const int index : {0, 1}) {
        FItems->button(index)->setEnabled(false);
        FItems->button(index)->setToolTip(QString::fromUtf8(kHintAlreadyInMenu));
    }
}

void MakeLinkProgram(int helpContext, const std::string& linkName, QWidget* parent,
                     const std::string& programFile) {
    const std::string program = programFile.empty()
                                    ? QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString()
                                    : programFile;
    const bool inMenu = InstalledInMenu(program);
    TFMakeLinkProgram dialog(helpContext, parent);
    if (inMenu) dialog.OfferDesktopOnly();
    if (RunModal(dialog) != QDialog::Accepted) return;
    const int item = dialog.ItemIndex();
    const int kind = item == 0   ? TInstApp::kProgramsMenu
                     : item == 1 ? TInstApp::kStartMenu
                                 : TInstApp::kDesktop;
    ReportingFailures([&] {
        const TInstApp app;
        std::string folder;
        // Without a folder the shortcut would land in the root folder: refuse instead.
        if (app.GetSpecialFolderDir(kind, folder) != 0)
            throw TAppError(Format(kMsgCannotCreateFile, linkName + ".desktop"));
        const std::optional<std::string> refused = app.CreateShellLink(
            inMenu ? kCommandName : program, {}, {}, WithTrailingBackslash(folder) + linkName + ".desktop");
        if (refused) ShowMessage(*refused);
    });
}

}  // namespace teclarium
