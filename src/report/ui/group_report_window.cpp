// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "report/ui/group_report_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFutureWatcher>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QStandardPaths>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentMap>

#include "progress/progress_texts.h"
#include "progress/ui/heat_keyboard.h"
#include "progress/ui/progress_window.h"
#include "report/print/report_print.h"
#include "report/report_csv.h"
#include "report/report_table.h"
#include "report/report_texts.h"
#include "report/ui/class_goals_dialog.h"
#include "report/ui/print_module.h"
#include "report/ui/report_column_widths.h"
#include "report/ui/report_columns_menu.h"
#include "report/ui/report_document.h"
#include "report/ui/report_table_model.h"
#include "report/ui/trend_sparkline.h"
#include "settings/ini_file.h"
#include "util/app_error.h"
#include "util/codec.h"
#include "util/files.h"
#include "util/messages.h"
#include "util/text.h"
#include "util/ui/accessible_value.h"
#include "util/ui/file_dialog.h"
#include "util/ui/help.h"
#include "util/ui/message_boxes.h"
#include "util/ui/modal.h"
#include "util/ui/placement.h"
#include "util/ui/plain_text.h"
#include "util/ui/reporting_failures.h"

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

const QDate kDayZero(1970, 1, 1);

QDate DateOfDay(std::int64_t day) {
    return kDayZero.addDays(day);
}

std::int64_t DayOfDate(const QDate& date) {
    return kDayZero.daysTo(date);
}

QPushButton* Button(std::string_view caption, const char* name, QWidget* parent) {
    auto* button = new QPushButton(FromUtf8(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
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
    auto* layout = new QVBoxLayout(this);
    L_Summary = new QLabel(this);
    L_Summary->setObjectName(QStringLiteral("L_Summary"));
    L_Summary->setTextFormat(Qt::PlainText);
    L_Summary->setWordWrap(true);
    layout->addWidget(L_Summary);

    // The classes on a line of their own, with what is done for the class shown.
    auto* classes = new QHBoxLayout;
    auto* classLabel = new QLabel(FromUtf8(kClassLabel), this);
    CB_Class = new QComboBox(this);
    CB_Class->setObjectName(QStringLiteral("CB_Class"));
    CB_Class->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    SetAccessibleComboValue(CB_Class);
    classLabel->setBuddy(CB_Class);
    BB_EditGoals = Button(kEditGoals, "BB_EditGoals", this);
    BB_ExportMoodle = Button(kExportMoodle, "BB_ExportMoodle", this);
    classes->addWidget(classLabel);
    classes->addWidget(CB_Class);
    classes->addWidget(BB_EditGoals);
    classes->addWidget(BB_ExportMoodle);
    classes->addStretch();
    layout->addLayout(classes);

    auto* range = new QHBoxLayout;
    const auto addRangeEnd = [&](std::string_view caption, const char* checkName, const char* editName,
                                 QCheckBox*& check, QDateEdit*& edit) {
        check = new QCheckBox(FromUtf8(caption), this);
        check->setObjectName(QString::fromLatin1(checkName));
        edit = new QDateEdit(this);
        edit->setObjectName(QString::fromLatin1(editName));
        edit->setAccessibleName(FromUtf8(caption));
        edit->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
        edit->setCalendarPopup(true);
        edit->setEnabled(false);
        connect(check, &QCheckBox::toggled, edit, &QWidget::setEnabled);
        connect(check, &QCheckBox::toggled, this, [this] { Refresh(); });
        connect(edit, &QDateEdit::dateChanged, this, [this, check] {
            if (check->isChecked()) Refresh();
        });
        range->addWidget(check);
        range->addWidget(edit);
        range->addSpacing(12);
    };
    addRangeEnd(kRangeFromCheck, "CB_From", "DE_From", CB_From, DE_From);
    addRangeEnd(kRangeToCheck, "CB_To", "DE_To", CB_To, DE_To);
    range->addStretch();
    BB_AddHistories = Button(kAddHistories, "BB_AddHistories", this);
    BB_Columns = Button(kColumnsButton, "BB_Columns", this);
    range->addWidget(BB_AddHistories);
    range->addWidget(BB_Columns);
    layout->addLayout(range);

    FModel = new TReportTableModel(this);
    FSorted = new TReportSortProxy(this);
    FSorted->setSourceModel(FModel);
    TW_Learners = new QTableView(this);
    TW_Learners->setObjectName(QStringLiteral("TW_Learners"));
    TW_Learners->setAccessibleName(FromUtf8(kReportTitle));
    TW_Learners->setModel(FSorted);
    // Tab leaves the table for the buttons; the arrows move between its cells.
    TW_Learners->setTabKeyNavigation(false);
    TW_Learners->verticalHeader()->hide();
    TW_Learners->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TW_Learners->setSelectionBehavior(QAbstractItemView::SelectRows);
    TW_Learners->setSelectionMode(QAbstractItemView::SingleSelection);
    TW_Learners->horizontalHeader()->setSortIndicator(kColName, Qt::AscendingOrder);
    TW_Learners->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    TW_Learners->setSortingEnabled(true);
    TW_Learners->setItemDelegateForColumn(kColTrend, new TTrendDelegate(TW_Learners));
    connect(TW_Learners->horizontalHeader(), &QHeaderView::sortIndicatorChanged, this,
            [this] { FitReportColumns(*TW_Learners); });
    // A settings file that cannot be read gives the default columns (the main window
    // has told of it when it started).
    try {
        if (!FSettingsFile.empty()) FShownColumns = ReadShownColumns(TNewIniFile(FSettingsFile));
    } catch (const TAppError&) {
    }
    BB_Columns->setMenu(
        ColumnsMenu(BB_Columns, FShownColumns, [this](const TShownColumns& shown) { ChooseColumns(shown); }));
    layout->addWidget(TW_Learners, 1);
    // The learner's own report: from the table's context menu (the mouse or the menu key).
    MI_SaveLearner = new QAction(FromUtf8(kSaveLearner), TW_Learners);
    MI_SaveLearner->setObjectName(QStringLiteral("MI_SaveLearner"));
    TW_Learners->addAction(MI_SaveLearner);
    MI_SaveCertificate = new QAction(FromUtf8(kSaveLearnerCertificate), TW_Learners);
    MI_SaveCertificate->setObjectName(QStringLiteral("MI_SaveCertificate"));
    MI_SaveCertificate->setVisible(static_cast<bool>(request.SaveCertificate));
    TW_Learners->addAction(MI_SaveCertificate);
    TW_Learners->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* heatTitle = new QLabel(FromUtf8(kClassHeatTitle), this);
    heatTitle->setTextFormat(Qt::PlainText);
    layout->addWidget(heatTitle);
    FHeatBox = new QVBoxLayout;
    layout->addLayout(FHeatBox);
    PB_Reading = new QProgressBar(this);
    PB_Reading->setObjectName(QStringLiteral("PB_Reading"));
    BB_StopReading = Button(kStopReading, "BB_StopReading", this);
    auto* reading = new QHBoxLayout;
    reading->addWidget(PB_Reading, 1);
    reading->addWidget(BB_StopReading);
    layout->addLayout(reading);
    PB_Reading->hide();
    BB_StopReading->hide();
    connect(BB_StopReading, &QPushButton::clicked, this, [this] { FStop = true; });

    auto* buttons = new QHBoxLayout;
    BB_Help = Button(kHelp, "BB_Help", this);
    BB_SaveCsv = Button(kSaveCsv, "BB_SaveCsv", this);
    BB_SavePdf = Button(kSavePdf, "BB_SavePdf", this);
    BB_Print = Button(kPrint, "BB_Print", this);
    BB_AllLearners = Button(kAllLearners, "BB_AllLearners", this);
    auto* allLearners = new QMenu(BB_AllLearners);
    MI_SaveAllPdf = allLearners->addAction(FromUtf8(kSaveAllPdf));
    MI_SaveAllPdf->setObjectName(QStringLiteral("MI_SaveAllPdf"));
    MI_PrintAll = allLearners->addAction(FromUtf8(kPrintAll));
    MI_PrintAll->setObjectName(QStringLiteral("MI_PrintAll"));
    BB_AllLearners->setMenu(allLearners);
    BB_Close = Button(kClose, "BB_Close", this);
    buttons->addWidget(BB_Help);
    buttons->addStretch();
    for (QPushButton* button : {BB_SaveCsv, BB_SavePdf, BB_Print, BB_AllLearners, BB_Close})
        buttons->addWidget(button);
    layout->addLayout(buttons);

    // A failure to read or write a file ends the action with the general error report.
    const auto onClicked = [this](QPushButton* button, void (TFGroupReport::*handler)()) {
        connect(button, &QPushButton::clicked, this,
                [this, handler] { ReportingFailures([&] { (this->*handler)(); }); });
    };
    onClicked(BB_AddHistories, &TFGroupReport::BB_AddHistoriesClick);
    onClicked(BB_EditGoals, &TFGroupReport::BB_EditGoalsClick);
    connect(CB_Class, &QComboBox::currentIndexChanged, this, [this] {
        if (!FBusy) Refresh();
    });
    onClicked(BB_SaveCsv, &TFGroupReport::BB_SaveCsvClick);
    onClicked(BB_ExportMoodle, &TFGroupReport::BB_ExportMoodleClick);
    onClicked(BB_SavePdf, &TFGroupReport::BB_SavePdfClick);
    onClicked(BB_Print, &TFGroupReport::BB_PrintClick);
    for (auto [action, handler] : {std::pair{MI_SaveLearner, &TFGroupReport::MI_SaveLearnerClick},
                                   std::pair{MI_SaveCertificate, &TFGroupReport::MI_SaveCertificateClick},
                                   std::pair{MI_SaveAllPdf, &TFGroupReport::MI_SaveAllPdfClick},
                                   std::pair{MI_PrintAll, &TFGroupReport::MI_PrintAllClick}})
        connect(action, &QAction::triggered, this,
                [this, handler] { ReportingFailures([&] { (this->*handler)(); }); });
    // The certificate only for a learner who finished the course, as the table says.
    const auto certificateShown = [this] {
        const std::optional<std::size_t> learner = LearnerAt(TW_Learners->currentIndex().row());
        MI_SaveCertificate->setEnabled(learner && FinishedCourse(FReport.Learners()[*learner]));
    };
    connect(TW_Learners->selectionModel(), &QItemSelectionModel::currentRowChanged, this, certificateShown);
    connect(FSorted, &QAbstractItemModel::layoutChanged, this, certificateShown);
    connect(FSorted, &QAbstractItemModel::modelReset, this, certificateShown);
    certificateShown();
    connect(TW_Learners, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        ReportingFailures([&] { TW_LearnersDblClick(index.row()); });
    });
    // Enter on a learner does what a double click does (before the dialog's default button).
    for (int key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* open = new QShortcut(QKeySequence(key), TW_Learners, nullptr, nullptr, Qt::WidgetShortcut);
        connect(open, &QShortcut::activated, this, [this] {
            if (const int row = TW_Learners->currentIndex().row(); row >= 0)
                ReportingFailures([&] { TW_LearnersDblClick(row); });
        });
    }
    connect(BB_Close, &QPushButton::clicked, this, &QDialog::reject);
    const auto help = [] { ShowHelpContext(kGroupReportHelpContext); };
    connect(BB_Help, &QPushButton::clicked, this, help);
    new QShortcut(QKeySequence(Qt::Key_F1), this, this, help);

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
    if (FBusy) {
        FStop = true;
        FClosePending = true;
    } else {
        QDialog::reject();
    }
}

bool TFGroupReport::ReadFiles(const std::vector<std::string>& files) {
    const std::vector<std::string> fresh = FReport.NewFiles(files);
    if (fresh.empty()) return false;
    // Each file read into its own place: the histories are never copied.
    std::vector<std::optional<TLearnerHistory>> read(fresh.size());
    std::vector<std::size_t> places(fresh.size());
    for (std::size_t i = 0; i < places.size(); ++i) places[i] = i;
    const TGroupReport& report = FReport;
    const std::atomic<bool>& stop = FStop;
    // Stopped, no file more is begun, and those being read stop between two lines.
    WhileBusy(static_cast<int>(fresh.size()), kReadingHistories, kReadingProgress, [&] {
        return QtConcurrent::map(&FPool, places, [&report, &read, &fresh, &stop](std::size_t i) {
            if (!stop) read[i] = report.Read(fresh[i], &stop);
        });
    });
    std::vector<TLearnerHistory> histories;
    std::vector<std::string> unread;
    for (std::size_t i = 0; i < read.size(); ++i) {
        if (read[i])
            histories.push_back(std::move(*read[i]));
        else
            unread.push_back(fresh[i]);
    }
    read.clear();
    FReport.Take(std::move(histories));
    FReport.Forget(unread);
    ReadGoals();
    Refresh();
    SetRangeLimits();
    if (FClosePending) QDialog::reject();
    return true;
}

void TFGroupReport::WhileBusy(int total, std::string_view name, std::string_view format,
                              const std::function<QFuture<void>()>& start, const std::atomic<int>* done,
                              bool stoppable) {
    // A long task shows in the window, modal as it will be.
    if (!isVisible()) {
        setWindowModality(Qt::ApplicationModal);
        show();
    }
    FBusy = true;
    FStop = false;
    QWidget* focus = focusWidget();
    const QList<QWidget*> controls = findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* control : controls)
        if (control != PB_Reading && control != BB_StopReading) control->setEnabled(false);
    PB_Reading->setAccessibleName(FromUtf8(name));
    PB_Reading->setFormat(FromUtf8(format));
    PB_Reading->setRange(0, total);
    PB_Reading->setValue(0);
    PB_Reading->show();
    BB_StopReading->setVisible(stoppable);
    if (stoppable) BB_StopReading->setFocus();
    QFutureWatcher<void> watcher;
    QEventLoop loop;
    connect(&watcher, &QFutureWatcherBase::finished, &loop, &QEventLoop::quit);
    if (!done)
        connect(&watcher, &QFutureWatcherBase::progressValueChanged, PB_Reading, &QProgressBar::setValue);
    QTimer polling;
    connect(&polling, &QTimer::timeout, &watcher, [&] {
        if (done) PB_Reading->setValue(*done);
        if (FStop) watcher.cancel();
    });
    polling.start(50);
    watcher.setFuture(start());
    if (!watcher.isFinished()) loop.exec();
    watcher.waitForFinished();
    PB_Reading->hide();
    BB_StopReading->hide();
    for (QWidget* control : controls) control->setEnabled(true);
    // The date boxes follow their check boxes, the goals one class.
    DE_From->setEnabled(CB_From->isChecked());
    DE_To->setEnabled(CB_To->isChecked());
    BB_EditGoals->setEnabled(!ShownClass().empty());
    // The focus back where it was, else on the first control, as on showing.
    if (focus)
        focus->setFocus();
    else
        focusNextPrevChild(true);
    FBusy = false;
}

TDayRange TFGroupReport::Range() const {
    TDayRange range;
    if (CB_From->isChecked()) range.From = DayOfDate(DE_From->date());
    if (CB_To->isChecked()) range.To = DayOfDate(DE_To->date());
    return range;
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

// The range boxes start at the first and the last day of practice of the whole group.
void TFGroupReport::SetRangeLimits() {
    std::optional<std::int64_t> first, last;
    for (const TLearnerHistory& learner : FReport.Learners()) {
        const std::vector<TDaySummary>& days = learner.Summary.Days;
        if (days.empty()) continue;
        first = std::min(first.value_or(days.front().Day), days.front().Day);
        last = std::max(last.value_or(days.back().Day), days.back().Day);
    }
    const std::int64_t today = DayOfDate(QDate::currentDate());
    for (auto [edit, day] :
         {std::pair{DE_From, first.value_or(today)}, std::pair{DE_To, last.value_or(today)}}) {
        if (!edit->isEnabled()) edit->setDate(DateOfDay(day));
    }
}

void TFGroupReport::Refresh() {
    const TDayRange range = Range();
    FFigures.clear();
    FFigures.reserve(FReport.Learners().size());
    const std::int64_t today = DayOfDate(QDate::currentDate());
    for (std::size_t i = 0; i < FReport.Learners().size(); ++i)
        FFigures.push_back(FReport.Figures(i, range, today));

    std::vector<TReportRow> rows, shownRows;
    std::vector<QString> tips;
    std::vector<bool> shown;
    std::vector<TGoalStates> goals;
    rows.reserve(FFigures.size());
    tips.reserve(FFigures.size());
    TCharCounts classChars;
    for (std::size_t i = 0; i < FFigures.size(); ++i) {
        rows.push_back(ReportRow(FReport, i, FFigures[i]));
        tips.push_back(PlainTextTip(QFile::decodeName(FReport.Learners()[i].File.c_str())));
        shown.push_back(Shown(i));
        if (!shown.back()) continue;
        shownRows.push_back(rows.back());
        goals.push_back(ClassGoalStates(FReport, i, FFigures[i]));
        classChars.Add(FFigures[i].Chars);
    }
    // The goals' column only while a class shown sets goals.
    const bool anyGoals = std::any_of(goals.begin(), goals.end(), [](const TGoalStates& g) {
        return std::any_of(g.begin(), g.end(), [](const auto& state) { return state.has_value(); });
    });
    std::optional<TReportRow> median;
    if (!shownRows.empty()) median = MedianRow(shownRows, WeakKeys(classChars, kWeakKeysCount), goals);
    FModel->SetRows(std::move(rows), std::move(tips), std::move(median));
    FSorted->SetShown(shown);
    FAnyGoals = anyGoals;
    ShowColumns();
    BB_EditGoals->setEnabled(!ShownClass().empty());
    // Sorted again by the column and order that the header shows.
    const QHeaderView* header = TW_Learners->horizontalHeader();
    FSorted->sort(header->sortIndicatorSection(), header->sortIndicatorOrder());
    FitReportColumns(*TW_Learners);

    QString summary;
    if (FReport.Learners().empty() && FReport.NotHistories().empty()) {
        summary = FromUtf8(kReportNoHistories).arg(QString::fromStdString(FFolder));
    } else {
        summary = QString::fromStdString(ReportSummary(FReport, FFigures, range, shown));
        summary += QLatin1Char('\n') + FromUtf8(kReportHint);
    }
    for (const auto& [folder, error] : FGoalsErrors)
        summary +=
            QLatin1Char('\n') + FromUtf8(kMsgGoalsUnreadable)
                                    .arg(QFile::decodeName(folder.c_str()), QString::fromStdString(error));
    L_Summary->setText(summary);
    ShowClassHeat();
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

void TFGroupReport::ShowClassHeat() {
    TCharCounts counts;
    for (std::size_t i = 0; i < FFigures.size(); ++i)
        if (Shown(i)) counts.Add(FFigures[i].Chars);
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

std::string TFGroupReport::AskSaveFile(std::string_view title, const QStringList& filters,
                                       const QString& suffix, int* filter) {
    return AskSaveFileName(this, FromUtf8(title), filters, suffix, FLastFolder, filter);
}

void TFGroupReport::BB_SaveCsvClick() {
    int filter = 0;
    const std::string path = AskSaveFile(kCsvDialogTitle,
                                         {FromUtf8(kCsvLearnersFilter), FromUtf8(kCsvDrillsFilter),
                                          FromUtf8(kCsvLearnersPointFilter), FromUtf8(kCsvDrillsPointFilter)},
                                         QStringLiteral("csv"), &filter);
    if (path.empty()) return;
    WriteWholeFile(path, ReportCsv(FReport, FFigures, LearnerOrder(), Range(),
                                   filter % 2 == 1 ? TCsvRows::Drills : TCsvRows::Learners,
                                   filter >= 2 ? TCsvNumbers::Point : TCsvNumbers::Catalan));
}

void TFGroupReport::BB_ExportMoodleClick() {
    const std::vector<std::size_t> order = LearnerOrder();
    if (std::none_of(order.begin(), order.end(), [this](std::size_t i) { return FReport.GoalsOf(i); })) {
        ShowMessage(std::string(kMsgMoodleNoGoals));
        return;
    }
    const std::string path =
        AskSaveFile(kMoodleDialogTitle, {FromUtf8(kMoodleFilter)}, QStringLiteral("csv"));
    if (!path.empty()) WriteWholeFile(path, MoodleCsv(FReport, FFigures, order));
}

TReportPrintout TFGroupReport::Printout() const {
    TReportPrintout printout;
    printout.Range = RangeText(Range());
    printout.Made = DayText(DayOfDate(QDate::currentDate()));
    printout.Notes = NotHistoriesText(FReport);
    std::vector<double> speeds;
    for (std::size_t i = 0; i < FFigures.size(); ++i)
        if (Shown(i) && FFigures[i].Drills > 0) speeds.push_back(FFigures[i].Whole.KeysPerMinute());
    printout.MedianSpeed = Median(std::move(speeds));
    if (P_ClassHeat) printout.HeatMap = HeatMapImage(*P_ClassHeat);
    for (int column = 0; column < kReportColumnCount; ++column)
        printout.Shown[column] = !TW_Learners->isColumnHidden(column);
    for (int row = 0; row < FSorted->rowCount(); ++row) {
        printout.Rows.push_back(FModel->Row(FSorted->mapToSource(FSorted->index(row, 0)).row()));
        const std::optional<std::size_t> learner = LearnerAt(row);
        if (learner && FFigures[*learner].Drills > 0)
            printout.Charts.push_back({FReport.ShownName(*learner), FFigures[*learner].Days});
    }
    return printout;
}

void TFGroupReport::BB_SavePdfClick() {
    const std::string path = AskSaveFile(kPdfDialogTitle, {FromUtf8(kPdfFilter)}, QStringLiteral("pdf"));
    if (!path.empty()) WriteWholeFile(path, ReportPdf(Printout()));
}

void TFGroupReport::BB_PrintClick() {
    const TReportPrintout printout = Printout();
    QString pdfFile;
    const TPrintPages pages{kReportTitle, kPrintDialogTitle,
                            [&](QPagedPaintDevice& device) { PaintReport(device, printout); }};
    const int outcome = PrintReport(PrintModulePath(), pages, this, pdfFile);
    // Printed to a file, the report is written as "Desa com a PDF..." writes it.
    if (outcome == kPrintToFile && !pdfFile.isEmpty())
        WriteWholeFile(QFile::encodeName(pdfFile).toStdString(), ReportPdf(printout));
    else if (outcome == kPrintFailed)
        ErrorBox(std::string(kMsgPrintFailed));
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
