// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// A layout's name as the keyboard configuration data describe it (the rules' XML list),
// in a language of its own message catalogue where there is one. No Qt.
#pragma once

#include <string>
#include <string_view>

#include "platform/xkb/xkb_layout.h"

namespace teclarium {

// language: "ca". The list and the catalogue are read once.
TXkbDescription XkbLayoutDescription(const TXkbLayoutName& name, std::string_view language);

// The translation of text in a GNU message catalogue's bytes; empty when none.
std::string CatalogueTranslation(std::string_view catalogue, std::string_view text);

}  // namespace teclarium
