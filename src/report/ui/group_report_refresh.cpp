// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The group report window's figures for the range and the class chosen: made on
// the window's own threads, the table filled a few rows at a time, the window
// answering throughout; the columns shown, the summary and the class heat map.
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QEventLoop>
#include <QFile>
#include <QFutureWatcher>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "progress/ui/heat_keyboard.h"
#include "report/report_texts.h"
#include "report/report_view.h"
#include "report/ui/group_report_window.h"
#include "report/ui/report_column_widths.h"
#include "report/ui/report_table_model.h"
#include "settings/ini_file.h"
#include "util/codec.h"
#include "util/ui/plain_text.h"
#include "util/ui/reporting_failures.h"

namespace teclarium {
namespace {

const QDate kDayZero(1970, 1, 1);

QDate DateOfDay(std::int64_t day) {
    return kDayZero.addDays(day);
}

std::int64_t DayOfDate(const QDate& date) {
    return kDayZero.daysTo(date);
}

// The rows handed to the table at once: a few milliseconds of the window's time.
constexpr std::size_t kRowsAtOnce = 500;

// What the window's threads make for the table: the view and its names' tooltips.
struct TMadeView {
    TReportView View;
    std::vector<QString> Tips;
};

// Waits for the work, the window answering meanwhile.
void WaitAnswering(const QFuture<void>& work) {
    QFutureWatcher<void> watcher;
    QEventLoop loop;
    QObject::connect(&watcher, &QFutureWatcherBase::finished, &loop, &QEventLoop::quit);
    watcher.setFuture(work);
    if (!watcher.isFinished()) loop.exec();
    watcher.waitForFinished();
}

}  // namespace

std::int64_t TFGroupReport::Today() {
    return DayOfDate(QDate::currentDate());
}

TDayRange TFGroupReport::Range() const {
    TDayRange range;
    if (CB_From->isChecked()) range.From = DayOfDate(DE_From->date());
    if (CB_To->isChecked()) range.To = DayOfDate(DE_To->date());
    return range;
}

// The range boxes start at the first and the last day of practice of the whole group.
void TFGroupReport::SetRangeLimits() {
    std::optional<std::int64_t> first, last;
    for (const TLearnerHistory& learner : FReport.Learners()) {
        const std::vector<TDaySummary>& days = learner.Summary.Days;
        if (days.empty()) continue;
        first = std::min(first.value_or(days.front().Day), days.front().Day);
        last = std::max(last.value_or(days.back().Day), days.back().Day);
    }
    const std::int64_t today = Today();
    for (auto [edit, day] :
         {std::pair{DE_From, first.value_or(today)}, std::pair{DE_To, last.value_or(today)}}) {
        if (!edit->isEnabled()) edit->setDate(DateOfDay(day));
    }
}

void TFGroupReport::Refresh() {
    // Asked again while the figures are made: they are made again for what is chosen
    // now, those being made left unfinished.
    if (FRefreshing) {
        FRefreshAgain = true;
        FStop = true;
        return;
    }
    FRefreshing = true;
    // Closed while the histories were read, the window still shows them before it closes.
    const bool closing = FClosePending;
    const auto stopped = [&] { return FRefreshAgain || (FClosePending && !closing); };
    do {
        // The figures before go while the new ones are made: a school's are large, and
        // the new ones may be made on another thread, whose memory is apart.
        std::vector<TLearnerFigures>().swap(FFigures);
#ifdef __GLIBC__
        malloc_trim(0);
#endif
        FRefreshAgain = false;
        FStop = false;
        const TDayRange range = Range();
        const std::string shownClass = CB_Class->currentData().toByteArray().toStdString();
        TMadeView made;
        WaitAnswering(QtConcurrent::run(&FPool, [&, today = Today()] {
            made.View = MakeReportView(FReport, range, today, shownClass, &FStop);
            made.Tips.reserve(FReport.Learners().size());
            for (const TLearnerHistory& learner : FReport.Learners())
                made.Tips.push_back(PlainTextTip(QFile::decodeName(learner.File.c_str())));
        }));
        // Unfinished when stopped.
        if (!stopped() && made.View.Rows.size() == made.Tips.size())
            ShowView(made.View, made.Tips, range, stopped);
    } while (FRefreshAgain && !FClosePending);
    FRefreshing = false;
    if (FClosePending) {
        FDeferred.clear();
        if (!FBusy) QDialog::reject();
        return;
    }
    for (const std::function<void()>& handler : std::exchange(FDeferred, {})) ReportingFailures(handler);
}

void TFGroupReport::ShowView(TReportView& view, std::vector<QString>& tips, const TDayRange& range,
                             const std::function<bool()>& stopped) {
    FFigures = std::move(view.Figures);
    FFiguresRange = range;
    FModel->Clear();
    FSorted->SetShown(view.Shown);
    for (std::size_t first = 0; first < view.Rows.size(); first += kRowsAtOnce) {
        if (first > 0) {
            QCoreApplication::processEvents();
            if (stopped()) return;
        }
        const auto row = view.Rows.begin() + static_cast<std::ptrdiff_t>(first);
        FModel->AddRows(row,
                        row + static_cast<std::ptrdiff_t>(std::min(kRowsAtOnce, view.Rows.size() - first)),
                        tips.begin() + static_cast<std::ptrdiff_t>(first));
    }
    if (view.Median) FModel->SetMedian(std::move(*view.Median));
    FAnyGoals = view.AnyGoals;
    ShowColumns();
    BB_EditGoals->setEnabled(!ShownClass().empty());
    FitReportColumns(*TW_Learners);

    QString summary;
    if (FReport.Learners().empty() && FReport.NotHistories().empty()) {
        summary = FromUtf8(kReportNoHistories).arg(QString::fromStdString(FFolder));
    } else {
        summary = QString::fromStdString(ReportSummary(FReport, FFigures, range, view.Shown));
        summary += QLatin1Char('\n') + FromUtf8(kReportHint);
    }
    for (const auto& [folder, error] : FGoalsErrors)
        summary +=
            QLatin1Char('\n') + FromUtf8(kMsgGoalsUnreadable)
                                    .arg(QFile::decodeName(folder.c_str()), QString::fromStdString(error));
    L_Summary->setText(summary);
    ShowClassHeat(view.ClassChars);
}

void TFGroupReport::ShowColumns() {
    for (int column = 0; column < kReportColumnCount; ++column)
        TW_Learners->setColumnHidden(column,
                                     !FShownColumns[column] || (column == kColClassGoals && !FAnyGoals));
}

void TFGroupReport::ChooseColumns(const TShownColumns& shown) {
    FShownColumns = shown;
    ShowColumns();
    FitReportColumns(*TW_Learners);
    if (FSettingsFile.empty()) return;
    ReportingFailures([&] {
        TNewIniFile file(FSettingsFile);
        WriteShownColumns(file, FShownColumns);
        file.UpdateFile();
    });
}

void TFGroupReport::ShowClassHeat(const TCharCounts& counts) {
    TCharStats stats;  // only the right and wrong keys count for the map
    stats.Right = counts.Right;
    stats.Wrong = counts.Wrong;
    auto* heat = new THeatKeyboard(KeyHeat(stats, FKeys), FKeys, FColourBlind, this, kClassHeatScale);
    heat->setObjectName(QStringLiteral("P_ClassHeat"));
    if (P_ClassHeat) {
        delete FHeatBox->replaceWidget(P_ClassHeat, heat);  // the old layout item is ours to free
        delete P_ClassHeat;
    } else {
        FHeatBox->addWidget(heat, 0, Qt::AlignLeft);
    }
    P_ClassHeat = heat;
}

}  // namespace teclarium
