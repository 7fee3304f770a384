// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "report/ui/class_goals_dialog.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "report/report_texts.h"
#include "util/codec.h"
#include "util/messages.h"

namespace teclarium {
namespace {

const QDate kDayZero(1970, 1, 1);

// A goal's box: 0 shows "cap", no goal.
QSpinBox* GoalBox(const char* name, int max, const std::optional<int>& value, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(0, max);
    box->setSpecialValueText(FromUtf8(kGoalNone));
    box->setValue(value.value_or(0));
    return box;
}

std::optional<int> GoalOf(const QSpinBox* box) {
    return box->value() > 0 ? std::optional<int>(box->value()) : std::nullopt;
}

}  // namespace

TFClassGoals::TFClassGoals(const QString& className, const TClassGoals& goals,
                           const std::vector<std::string>& learners, QWidget* parent)
    : QDialog(parent), FGoals(goals) {
    setObjectName(QStringLiteral("TFClassGoals"));
    setWindowTitle(FromUtf8(kGoalsDialogTitle).arg(className));
    auto* layout = new QVBoxLayout(this);
    auto* hint = new QLabel(FromUtf8(kGoalsHint), this);
    hint->setTextFormat(Qt::PlainText);
    layout->addWidget(hint);
    auto* form = new QFormLayout;
    SE_Speed = GoalBox("SE_Speed", 2000, goals.Speed, this);
    SE_Accuracy = GoalBox("SE_Accuracy", 100, goals.Accuracy, this);
    SE_Minutes = GoalBox("SE_Minutes", 7 * 24 * 60, goals.WeekMinutes, this);
    SE_Step = GoalBox("SE_Step", 1000, goals.Step, this);
    form->addRow(FromUtf8(kGoalSpeedLabel), SE_Speed);
    form->addRow(FromUtf8(kGoalAccuracyLabel), SE_Accuracy);
    form->addRow(FromUtf8(kGoalMinutesLabel), SE_Minutes);
    auto* step = new QHBoxLayout;
    CB_By = new QCheckBox(FromUtf8(kGoalByCheck), this);
    CB_By->setObjectName(QStringLiteral("CB_By"));
    DE_By = new QDateEdit(this);
    DE_By->setObjectName(QStringLiteral("DE_By"));
    DE_By->setAccessibleName(FromUtf8(kGoalByCheck));
    DE_By->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    DE_By->setCalendarPopup(true);
    DE_By->setDate(goals.By ? kDayZero.addDays(*goals.By) : QDate::currentDate());
    CB_By->setChecked(goals.By.has_value());
    DE_By->setEnabled(CB_By->isChecked());
    connect(CB_By, &QCheckBox::toggled, DE_By, &QWidget::setEnabled);
    step->addWidget(SE_Step, 1);
    step->addWidget(CB_By);
    step->addWidget(DE_By);
    form->addRow(FromUtf8(kGoalStepLabel), step);
    layout->addLayout(form);

    auto* namesTitle = new QLabel(FromUtf8(kGoalsNamesTitle), this);
    layout->addWidget(namesTitle);
    TW_Names = new QTableWidget(static_cast<int>(learners.size()), 2, this);
    TW_Names->setObjectName(QStringLiteral("TW_Names"));
    TW_Names->setHorizontalHeaderLabels({FromUtf8(kGoalsNamesFile), FromUtf8(kGoalsNamesShown)});
    TW_Names->verticalHeader()->hide();
    TW_Names->horizontalHeader()->setStretchLastSection(true);
    TW_Names->setTabKeyNavigation(false);
    namesTitle->setBuddy(TW_Names);
    for (std::size_t i = 0; i < learners.size(); ++i) {
        const int row = static_cast<int>(i);
        auto* file = new QTableWidgetItem(QString::fromStdString(learners[i]));
        file->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        TW_Names->setItem(row, 0, file);
        const std::string* name = ClassName(goals, learners[i]);
        TW_Names->setItem(row, 1, new QTableWidgetItem(name ? QString::fromStdString(*name) : QString()));
    }
    TW_Names->resizeColumnToContents(0);
    layout->addWidget(TW_Names, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(FromUtf8(kOk));
    buttons->button(QDialogButtonBox::Cancel)->setText(FromUtf8(kCancel));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(520, 480);
}

TClassGoals TFClassGoals::Goals() const {
    TClassGoals goals = FGoals;
    goals.Speed = GoalOf(SE_Speed);
    goals.Accuracy = GoalOf(SE_Accuracy);
    goals.WeekMinutes = GoalOf(SE_Minutes);
    goals.Step = GoalOf(SE_Step);
    goals.By =
        CB_By->isChecked() ? std::optional<std::int64_t>(kDayZero.daysTo(DE_By->date())) : std::nullopt;
    for (int row = 0; row < TW_Names->rowCount(); ++row) {
        const std::string learner = TW_Names->item(row, 0)->text().toStdString();
        // A name is one line: what a paste brought beyond it is dropped.
        const QString name = TW_Names->item(row, 1)->text().section(QLatin1Char('\n'), 0, 0).trimmed();
        // The learner's entry, however its letter case was written, in place of the one before.
        std::erase_if(goals.Names, [&](const auto& entry) { return SameLearner(entry.first, learner); });
        if (!name.isEmpty()) goals.Names[learner] = name.toStdString();
    }
    return goals;
}

}  // namespace teclarium
