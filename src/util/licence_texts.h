// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The program's copyright holder and licence, as --version and the about box state them.
#pragma once

namespace teclarium {

inline constexpr const char* kCopyrightNotice = "Copyright © 2026 Els desenvolupadors de Teclarium";
inline constexpr const char* kLicenceUrl = "https://www.gnu.org/licenses/gpl-3.0.html";
// %s: the licence's address.
inline constexpr const char* kLicenceNotice =
    "Llicència: GNU GPL versió 3 o posterior (GPL-3.0-or-later), %s\n"
    "Aquest programa és programari lliure: el podeu modificar i redistribuir.\n"
    "No hi ha CAP GARANTIA, en la mesura que ho permeti la llei.";

}  // namespace teclarium
