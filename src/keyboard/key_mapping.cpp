#include "keyboard/key_mapping.h"

#include <optional>
#include <string>
#include <vector>

#include "keyboard/key_table.h"
#include "util/text.h"

namespace teclarium {
namespace {

// One line read by fields separated by single spaces: code, hand, plain, shifted,
// and what is left as the AltGr field. Only the first character of fields 2 to 5
// counts. A line with fewer than four fields or an empty one among them has no
// reading.
std::optional<TKeyChars> ReadLine(std::string line, std::string_view codeText) {
    std::string field;
    SplitAtDelimiter(line, " ", field);
    if (field != codeText) return std::nullopt;
    std::string hand, plain, shifted;
    SplitAtDelimiter(line, " ", hand);
    SplitAtDelimiter(line, " ", plain);
    SplitAtDelimiter(line, " ", shifted);
    if (hand.empty() || plain.empty() || shifted.empty()) return std::nullopt;
    TKeyChars k;
    k.RightHand = hand[0] == 'R';
    k.Plain = static_cast<unsigned char>(plain[0]);
    k.Shifted = static_cast<unsigned char>(shifted[0]);
    k.AltGr = line.empty() ? 0 : static_cast<unsigned char>(line[0]);
    return k;
}

}  // namespace

TKeyCharsList ReadKeyMapping(std::string_view fileBytes) {
    const std::vector<std::string> lines = SplitLines(fileBytes);
    TKeyCharsList keys;
    for (int number = 1; number <= kCharKeyCount; ++number) {
        const std::uint8_t code = kKeyCodes[static_cast<std::size_t>(number)];
        const std::string codeText = std::to_string(code);
        for (const std::string& line : lines) {
            std::optional<TKeyChars> k = ReadLine(line, codeText);
            if (!k) continue;
            k->KeyCode = code;
            k->KeyNumber = number;
            keys.push_back(*k);
            break;
        }
    }
    return keys;
}

}  // namespace teclarium
