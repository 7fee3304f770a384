// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// Qt's own texts in Catalan: the file and print dialogs, the standard buttons and
// the text fields' context menus, from Qt's translation (qtbase_ca.qm, Debian
// package qt6-translations-l10n). Loading it maps a file of about 200 KB: well
// under a millisecond, so it is done at start.
#pragma once

namespace teclarium {

// Installs the translation once for the application. False when it is not
// installed: Qt's texts then stay in English.
bool InstallQtCatalan();

}  // namespace teclarium
