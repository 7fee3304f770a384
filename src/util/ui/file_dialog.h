// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#pragma once

#include <QStringList>
#include <string>

class QFileDialog;
class QWidget;

namespace teclarium {

void UseProgramFileDialog(QFileDialog& dialog);

// The file chosen in a save dialog with these filters, starting in folder (then
// the chosen file's folder), and which filter in *filter; an existing file only
// once its replacing is confirmed. Empty when none was chosen (Esc, Cancel·la).
std::string AskSaveFileName(QWidget* parent, const QString& title, const QStringList& filters,
                            const QString& suffix, QString& folder, int* filter = nullptr);

}  // namespace teclarium
