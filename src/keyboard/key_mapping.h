// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// Reading the key mapping file: which characters each key types without modifier,
// with Shift and with AltGr, and with which hand.
#pragma once

#include <cstdint>
#include <string_view>

#include "keyboard/key_chars.h"

namespace teclarium {

inline constexpr const char* kKeyMappingFileName = "KeyMapping.txt";
// Far above any real key mapping; a larger file is refused before it is read.
inline constexpr std::uint64_t kKeyMappingMaxBytes = 8u << 20;

// The entries of the 48 character keys that the file's lines map, in key-number
// order. Each key takes the first line whose first field is its code (compared as
// text) and that has non-empty fields 2 to 4; other lines are ignored.
TKeyCharsList ReadKeyMapping(std::string_view fileBytes);

}  // namespace teclarium
