// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "util/ui/file_dialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <algorithm>

#include "util/messages.h"
#include "util/ui/message_boxes.h"
#include "util/ui/modal.h"

namespace teclarium {

void UseProgramFileDialog(QFileDialog& dialog) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
}

std::string AskSaveFileName(QWidget* parent, const QString& title, const QStringList& filters,
                            const QString& suffix, QString& folder, int* filter) {
    QFileDialog dialog(parent, title, folder);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(suffix);
    dialog.setSizeGripEnabled(true);
    // Asked below, in Catalan and through the program's dialogs.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    UseProgramFileDialog(dialog);
    if (RunModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const QString chosen = dialog.selectedFiles().first();
    folder = QFileInfo(chosen).absolutePath();
    if (filter) *filter = std::max<int>(0, static_cast<int>(filters.indexOf(dialog.selectedNameFilter())));
    const std::string path = QFile::encodeName(chosen).toStdString();
    if (QFileInfo::exists(chosen) && !ConfirmBox(Format(kMsgReplaceFile, chosen.toStdString()))) return {};
    return path;
}

}  // namespace teclarium
