#include "keyboard/char_names.h"

#include <array>

#include "util/codec.h"

namespace teclarium {
namespace {

constexpr std::array<const char*, 26> kLetterNames{
    "a",   "be", "ce", "de", "e",    "efa",  "ge", "hac", "i",        "jota",     "ca",  "ela",     "ema",
    "ena", "o",  "pe", "cu", "erra", "essa", "te", "u",   "ve baixa", "ve doble", "ics", "i grega", "zeta"};

// The words after a letter's name for its accent (a combining mark), or null.
const char* AccentName(char16_t mark) {
    switch (mark) {
        case 0x0300:
            return " amb accent obert";
        case 0x0301:
            return " amb accent tancat";
        case 0x0302:
            return " amb accent circumflex";
        case 0x0303:
            return " amb titlla";
        case 0x0308:
            return " amb dièresi";
        case 0x030A:
            return " amb anell";
        case 0x030C:
            return " amb caron";
        case 0x0327:
            return " trencada";
        default:
            return nullptr;
    }
}

}  // namespace

QString CharName(unsigned char ch) {
    switch (ch) {
        case 0xAA:
            return FromUtf8("indicador ordinal femení");
        case 0xBA:
            return FromUtf8("indicador ordinal masculí");
        case 0xA1:
            return FromUtf8("signe d'exclamació inicial");
        case 0xBF:
            return FromUtf8("signe d'interrogació inicial");
        case 0xB7:
            return FromUtf8("punt volat");
        case 0xF1:
            return FromUtf8("enya");
        case 0xD1:
            return FromUtf8("enya majúscula");
        default:
            break;
    }
    const QChar c = FromAnsiChar(ch).at(0);
    const QString parts = c.decomposition();
    const QChar base = parts.isEmpty() ? c : parts.at(0);
    const char* accent = parts.size() == 2 ? AccentName(parts.at(1).unicode()) : nullptr;
    const char16_t lower = base.toLower().unicode();
    if (lower < u'a' || lower > u'z' || (!parts.isEmpty() && !accent))
        return FromUtf8("«") + c + FromUtf8("»");
    QString name = FromUtf8(kLetterNames[lower - u'a']);
    if (accent) name += FromUtf8(accent);
    if (base.isUpper()) name += FromUtf8(" majúscula");
    return name;
}

}  // namespace teclarium
