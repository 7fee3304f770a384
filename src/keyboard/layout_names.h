// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The layouts offered by name, their Catalan names, and the keyboard choice as the
// settings keep it: empty for the system's layout, else "fr" or "es(cat)".
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/layout_data.h"

namespace teclarium {

struct TNamedLayout {
    TXkbLayoutName Name;
    const char* CatalanName;  // UTF-8
};
// The layouts Catalan is typed on, offered by name in the options.
const std::vector<TNamedLayout>& SupportedLayouts();

// The layout's Catalan name: the keyboard data's own translation of its description,
// else the name in the list above, else the English description, else its XKB name
// in quotes: «fr(bepo)».
QString LayoutDisplayName(const TXkbLayoutName& name, const TXkbDescription& described);

// "es(cat)" for es with variant cat, "fr" for fr.
std::string LayoutChoice(const TXkbLayoutName& name);
// The layout of a kept choice; nullopt for the system's layout (empty) and for a text
// that is no XKB name (letters, digits, _ and -, a variant in brackets).
std::optional<TXkbLayoutName> ParseLayoutChoice(std::string_view choice);

// The Spanish (Spain) layout, whose keys the key mapping file gives.
bool IsKeyMappingFileLayout(const TXkbLayoutName& name);

}  // namespace teclarium
