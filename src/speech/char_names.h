// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The Catalan names of the characters a learner types, as a voice says them:
// letters by their names ("efa", "ce trencada"), capitals and accents said
// ("a majúscula amb accent obert"), signs by their names ("arrova").
#pragma once

#include <QString>

namespace teclarium {

// The name of a Windows-1252 character; a character without a name of its own is
// itself; empty for 0 and the control characters.
QString CharName(unsigned char ch);
// A typed key as the drill speaks it: Backspace, Enter and Tab by their names,
// a character the program cannot hold as such, any other by CharName.
QString TypedKeyName(unsigned char key);

}  // namespace teclarium
