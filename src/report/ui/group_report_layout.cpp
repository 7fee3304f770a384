// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The group report window's controls: made in the order the Tab key follows,
// laid out, and connected to what they do.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

#include "progress/progress_texts.h"
#include "report/report_texts.h"
#include "report/ui/group_report_window.h"
#include "report/ui/report_column_widths.h"
#include "report/ui/report_columns_menu.h"
#include "report/ui/report_table_model.h"
#include "report/ui/trend_sparkline.h"
#include "settings/ini_file.h"
#include "util/app_error.h"
#include "util/codec.h"
#include "util/ui/accessible_value.h"
#include "util/ui/help.h"
#include "util/ui/reporting_failures.h"

namespace teclarium {
namespace {

QPushButton* Button(std::string_view caption, const char* name, QWidget* parent) {
    auto* button = new QPushButton(FromUtf8(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

}  // namespace

void TFGroupReport::MakeControls(bool certificates) {
    auto* layout = new QVBoxLayout(this);
    L_Summary = new QLabel(this);
    L_Summary->setObjectName(QStringLiteral("L_Summary"));
    L_Summary->setTextFormat(Qt::PlainText);
    L_Summary->setWordWrap(true);
    layout->addWidget(L_Summary);
    layout->addLayout(ClassLine());
    layout->addLayout(RangeLine());
    MakeTable(certificates);
    layout->addWidget(TW_Learners, 1);
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
    layout->addLayout(ButtonLine());
}

// The classes on a line of their own, with what is done for the class shown.
QHBoxLayout* TFGroupReport::ClassLine() {
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
    return classes;
}

QHBoxLayout* TFGroupReport::RangeLine() {
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
    return range;
}

void TFGroupReport::MakeTable(bool certificates) {
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
    // The learner's own report: from the table's context menu (the mouse or the menu key).
    MI_SaveLearner = new QAction(FromUtf8(kSaveLearner), TW_Learners);
    MI_SaveLearner->setObjectName(QStringLiteral("MI_SaveLearner"));
    TW_Learners->addAction(MI_SaveLearner);
    MI_SaveCertificate = new QAction(FromUtf8(kSaveLearnerCertificate), TW_Learners);
    MI_SaveCertificate->setObjectName(QStringLiteral("MI_SaveCertificate"));
    MI_SaveCertificate->setVisible(certificates);
    TW_Learners->addAction(MI_SaveCertificate);
    TW_Learners->setContextMenuPolicy(Qt::ActionsContextMenu);
}

QHBoxLayout* TFGroupReport::ButtonLine() {
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
    return buttons;
}

void TFGroupReport::ConnectControls() {
    connect(BB_StopReading, &QPushButton::clicked, this, [this] { FStop = true; });
    // A failure to read or write a file ends the action with the general error report.
    const auto onClicked = [this](QPushButton* button, void (TFGroupReport::*handler)()) {
        connect(button, &QPushButton::clicked, this,
                [this, handler] { Act([this, handler] { (this->*handler)(); }); });
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
                [this, handler] { Act([this, handler] { (this->*handler)(); }); });
    // The certificate only for a learner who finished the course, as the table says.
    const auto certificateShown = [this] {
        const std::optional<std::size_t> learner = LearnerAt(TW_Learners->currentIndex().row());
        MI_SaveCertificate->setEnabled(learner && FinishedCourse(FReport.Learners()[*learner]));
    };
    connect(TW_Learners->selectionModel(), &QItemSelectionModel::currentRowChanged, this, certificateShown);
    connect(FSorted, &QAbstractItemModel::layoutChanged, this, certificateShown);
    connect(FSorted, &QAbstractItemModel::modelReset, this, certificateShown);
    certificateShown();
    // A row's learner, not while the rows are replaced.
    connect(TW_Learners, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        if (!FRefreshing) ReportingFailures([&] { TW_LearnersDblClick(index.row()); });
    });
    // Enter on a learner does what a double click does (before the dialog's default button).
    for (int key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* open = new QShortcut(QKeySequence(key), TW_Learners, nullptr, nullptr, Qt::WidgetShortcut);
        connect(open, &QShortcut::activated, this, [this] {
            if (const int row = TW_Learners->currentIndex().row(); row >= 0 && !FRefreshing)
                ReportingFailures([&] { TW_LearnersDblClick(row); });
        });
    }
    connect(BB_Close, &QPushButton::clicked, this, &QDialog::reject);
    const auto help = [] { ShowHelpContext(kGroupReportHelpContext); };
    connect(BB_Help, &QPushButton::clicked, this, help);
    new QShortcut(QKeySequence(Qt::Key_F1), this, this, help);
}

void TFGroupReport::Act(std::function<void()> handler) {
    // While the figures are made the table is not whole: the action waits for them.
    if (FRefreshing)
        FDeferred.push_back(std::move(handler));
    else
        ReportingFailures(handler);
}

}  // namespace teclarium
