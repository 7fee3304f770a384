// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "report/ui/group_report_window.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

#include "progress/ui/progress_window.h"
#include "report/report_texts.h"
#include "report/ui/report_table_model.h"
#include "util/codec.h"
#include "util/ui/file_dialog.h"
#include "util/ui/modal.h"
#include "util/ui/placement.h"

namespace teclarium {
namespace {

// The histories' summaries are kept in the user's cache folder. The one-file-a-
// history summaries that were kept there before go.
std::string ReportStoreFolder() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder)) return {};
    QDir old(folder + QStringLiteral("/informe-del-grup"));
    if (old.exists()) {
        for (const QString& file : old.entryList({QStringLiteral("*.resum")}, QDir::Files)) old.remove(file);
        QDir(folder).rmdir(QStringLiteral("informe-del-grup"));
    }
    return QFile::encodeName(folder).toStdString();
}

}  // namespace

TFGroupReport::TFGroupReport(const TGroupReportRequest& request, QWidget* parent)
    : QDialog(parent),
      FFolder(request.SettingsFolder),
      FReport(request.ProgramName, request.Course, ReportStoreFolder()),
      FKeys(request.Keys),
      FColourBlind(request.ColourBlind),
      FSaveCertificate(request.SaveCertificate),
      FSettingsFile(request.SettingsFile),
      FShownColumns(DefaultShownColumns()),
      FLastFolder(QDir::homePath()) {
    setObjectName(QStringLiteral("TFGroupReport"));
    setWindowTitle(FromUtf8(kReportTitle));
    setSizeGripEnabled(true);
    MakeControls(static_cast<bool>(request.SaveCertificate));
    ConnectControls();
    ResizeWithinScreen(*this, QSize(1280, 720));
    std::vector<std::string> files = FolderHistories(FFolder, request.ProgramName);
    for (const std::string& folder : ClassFolders(FFolder)) {
        const std::vector<std::string> histories = FolderHistories(folder, request.ProgramName);
        files.insert(files.end(), histories.begin(), histories.end());
    }
    if (!ReadFiles(files)) {
        ReadGoals();
        Refresh();
        SetRangeLimits();
    }
}

void TFGroupReport::reject() {
    if (FBusy || FRefreshing) {
        FStop = true;
        FClosePending = true;
    } else {
        QDialog::reject();
    }
}

std::optional<std::size_t> TFGroupReport::LearnerAt(int row) const {
    return FModel->LearnerAt(FSorted->mapToSource(FSorted->index(row, 0)).row());
}

std::vector<std::size_t> TFGroupReport::LearnerOrder() const {
    std::vector<std::size_t> order;
    for (int row = 0; row < FSorted->rowCount(); ++row)
        if (const auto learner = LearnerAt(row)) order.push_back(*learner);
    return order;
}

void TFGroupReport::BB_AddHistoriesClick() {
    QFileDialog dialog(this, FromUtf8(kAddDialogTitle), FLastFolder);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilters({FromUtf8(kHistoryFilter), FromUtf8(kAllFilesFilter)});
    dialog.setSizeGripEnabled(true);
    UseProgramFileDialog(dialog);
    if (RunModal(dialog) != QDialog::Accepted) return;
    std::vector<std::string> files;
    for (const QString& file : dialog.selectedFiles()) files.push_back(QFile::encodeName(file).toStdString());
    FLastFolder = dialog.directory().absolutePath();
    ReadFiles(files);
}

void TFGroupReport::TW_LearnersDblClick(int row) {
    const std::optional<std::size_t> learner = LearnerAt(row);
    if (!learner) return;
    TFProgress dialog(ReadProgressFile(FReport.Learners()[*learner].File), FKeys, this, false, false);
    dialog.setWindowTitle(
        FromUtf8(kLearnerProgressTitle).arg(QString::fromStdString(FReport.ShownName(*learner))));
    RunModal(dialog);
}

void ShowGroupReport(QWidget* parent, const TGroupReportRequest& request) {
    TFGroupReport dialog(request, parent);
    if (!dialog.ClosedWhileReading()) RunModal(dialog);
}

}  // namespace teclarium
