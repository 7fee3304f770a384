// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The program's file dialogs: Qt's own dialog (the same on every desktop), its
// texts in Catalan through Qt's translation.
#pragma once

class QFileDialog;

namespace teclarium {

// Makes the dialog Qt's own rather than the desktop's.
void UseProgramFileDialog(QFileDialog& dialog);

}  // namespace teclarium
