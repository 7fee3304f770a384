// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The group report window's classes: the list of them, which is shown, and the
// goals of the class shown edited and written to its classe.ini.
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>

#include "report/class_goals.h"
#include "report/report_texts.h"
#include "report/ui/class_goals_dialog.h"
#include "report/ui/group_report_window.h"
#include "util/app_error.h"
#include "util/codec.h"
#include "util/text.h"
#include "util/ui/message_boxes.h"
#include "util/ui/modal.h"

namespace teclarium {

void TFGroupReport::ReadGoals() {
    std::set<std::string> folders;
    for (const TLearnerHistory& learner : FReport.Learners()) folders.insert(learner.Folder);
    std::map<std::string, std::optional<TClassGoals>> goals;
    for (const std::string& folder : folders) {
        if (!FGoalsRead.insert(folder).second) continue;
        try {
            goals.emplace(folder, ReadClassGoals(folder));
        } catch (const TAppError& error) {
            FGoalsErrors[folder] = error.what();
        }
    }
    FReport.SetGoals(std::move(goals));
    // The list of classes, the one chosen kept.
    const QByteArray chosen = CB_Class->currentData().toByteArray();
    const QSignalBlocker quiet(CB_Class);
    CB_Class->clear();
    CB_Class->addItem(FromUtf8(kAllClasses), QByteArray());
    const QString main = QDir(QFile::decodeName(FFolder.c_str())).absolutePath();
    for (const std::string& folder : folders) {
        const QString path = QFile::decodeName(folder.c_str());
        CB_Class->addItem(path == main ? FromUtf8(kMainFolderClass) : QFileInfo(path).fileName(),
                          QByteArray::fromStdString(folder));
    }
    CB_Class->setCurrentIndex(std::max(0, CB_Class->findData(chosen)));
}

int TFGroupReport::ShownClassIndex() const {
    // With a single folder, it is the class whether or not it is chosen.
    return CB_Class->count() == 2 ? 1 : CB_Class->currentIndex();
}

std::string TFGroupReport::ShownClass() const {
    const int index = ShownClassIndex();
    return index > 0 ? CB_Class->itemData(index).toByteArray().toStdString() : std::string();
}

bool TFGroupReport::Shown(std::size_t learner) const {
    const QByteArray chosen = CB_Class->currentData().toByteArray();
    return chosen.isEmpty() || FReport.Learners()[learner].Folder == chosen.toStdString();
}

void TFGroupReport::BB_EditGoalsClick() {
    const std::string folder = ShownClass();
    if (folder.empty()) return;
    // A file that could not be read is not written over.
    if (const auto error = FGoalsErrors.find(folder); error != FGoalsErrors.end()) {
        ErrorBox(FromUtf8(kMsgGoalsUnreadable)
                     .arg(QFile::decodeName(folder.c_str()), QString::fromStdString(error->second))
                     .toStdString());
        return;
    }
    std::vector<std::string> learners;
    for (const TLearnerHistory& learner : FReport.Learners())
        if (learner.Folder == folder) learners.push_back(learner.Name);
    const TClassGoals* goals = FReport.FolderGoals(folder);
    TFClassGoals dialog(CB_Class->itemText(ShownClassIndex()), goals ? *goals : TClassGoals(), learners,
                        this);
    if (RunModal(dialog) != QDialog::Accepted) return;
    const TClassGoals edited = dialog.Goals();
    if (!WriteClassGoals(folder, edited)) {
        ErrorBox(
            FromUtf8(kMsgGoalsReadOnly)
                .arg(QFile::decodeName((WithTrailingBackslash(folder) + std::string(kClassFileName)).c_str()))
                .toStdString());
        return;
    }
    FReport.SetGoals(folder, edited);
    Refresh();
}

}  // namespace teclarium
