// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The standard message boxes: modal, centred, no help topic. Texts are UTF-8.
#pragma once

#include <string>

namespace teclarium {

void ErrorBox(const std::string& text);    // error icon, "Error", "D'acord"
void WarningBox(const std::string& text);  // warning icon, "Compte", "D'acord"
bool ConfirmBox(const std::string& text);  // question icon, "Confirma", "&Sí"/"&No"; true on "&Sí"
// A plain message: no icon, the application's title as caption, "D'acord".
void ShowMessage(const std::string& text);
// The general error report of an unexpected failure: stop icon, caption "Teclarium".
void GeneralErrorReport(const std::string& text);

}  // namespace teclarium
