// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "keyboard/key_table.h"

namespace teclarium {

int KeyNumberOfCode(int code) {
    for (int number = 1; number <= kCharKeyCount; ++number)
        if (kKeyCodes[static_cast<std::size_t>(number)] == code) return number;
    return 0;
}

bool IsRightHandKey(int number) {
    // The first right-hand key of each row: 6, Y, H, N.
    constexpr std::array<int, 4> firstRight{7, 19, 31, 44};
    for (std::size_t row = 0; row < kKeyRows.size(); ++row)
        if (number >= kKeyRows[row].First && number <= kKeyRows[row].Last) return number >= firstRight[row];
    return false;
}

}  // namespace teclarium
