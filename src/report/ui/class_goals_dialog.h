// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The teacher's dialog for a class's goals and its learners' names. It only
// edits: the report window writes what it gives when it is accepted.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "report/class_goals.h"

class QCheckBox;
class QDateEdit;
class QSpinBox;
class QTableWidget;

namespace teclarium {

class TFClassGoals : public QDialog {
    Q_OBJECT

  public:
    // learners: the file names (no extension) of the class's learners.
    TFClassGoals(const QString& className, const TClassGoals& goals, const std::vector<std::string>& learners,
                 QWidget* parent = nullptr);

    // The goals as edited; the names of learners not in the class are kept as they were.
    TClassGoals Goals() const;

    QSpinBox* SE_Speed = nullptr;
    QSpinBox* SE_Accuracy = nullptr;
    QSpinBox* SE_Minutes = nullptr;
    QSpinBox* SE_Step = nullptr;
    QCheckBox* CB_By = nullptr;
    QDateEdit* DE_By = nullptr;
    QTableWidget* TW_Names = nullptr;

  private:
    TClassGoals FGoals;
};

}  // namespace teclarium
