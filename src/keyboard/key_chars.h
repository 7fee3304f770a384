// One mapped character key: its virtual-key code, hand and characters.
#pragma once

#include <cstdint>
#include <vector>

namespace teclarium {

struct TKeyChars {
    std::uint8_t KeyCode = 0;
    int KeyNumber = 0;  // 1..48: the key's place in the key table (stands for its panel)
    bool RightHand = false;
    unsigned char Plain = 0;
    unsigned char Shifted = 0;
    unsigned char AltGr = 0;  // 0: the key has no AltGr character
};

// One entry per mapped key, in key-number order.
using TKeyCharsList = std::vector<TKeyChars>;

}  // namespace teclarium
