#include "keyboard/key_table.h"

namespace teclarium {

int KeyNumberOfCode(int code) {
    for (int number = 1; number <= kCharKeyCount; ++number)
        if (kKeyCodes[static_cast<std::size_t>(number)] == code) return number;
    return 0;
}

}  // namespace teclarium
