// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "speech/char_names.h"

#include <array>

#include "drill/drill.h"
#include "keyboard/key_display.h"
#include "speech/speech_texts.h"
#include "util/codec.h"

namespace teclarium {
namespace {

// The names of the lower-case letters and of the signs; a capital letter and an
// accented one are said from these.
const std::array<const char*, 256>& NameTable() {
    static const std::array<const char*, 256> table = [] {
        std::array<const char*, 256> t{};
        const char* letters[] = {"a",    "be", "ce",  "de",  "e",        "efa",  "ge",      "hac", "i",
                                 "jota", "ca", "ela", "ema", "ena",      "o",    "pe",      "cu",  "erra",
                                 "essa", "te", "u",   "ve",  "ve doble", "xeix", "i grega", "zeta"};
        for (int i = 0; i < 26; ++i) t['a' + i] = letters[i];
        const struct {
            unsigned char ch;
            const char* name;
        } signs[] = {
            {' ', "espai"},
            {'!', "exclamació"},
            {'"', "cometes"},
            {'#', "coixinet"},
            {'$', "dòlar"},
            {'%', "per cent"},
            {'&', "i comercial"},
            {'\'', "apòstrof"},
            {'(', "obre parèntesi"},
            {')', "tanca parèntesi"},
            {'*', "asterisc"},
            {'+', "més"},
            {',', "coma"},
            {'-', "guionet"},
            {'.', "punt"},
            {'/', "barra"},
            {':', "dos punts"},
            {';', "punt i coma"},
            {'<', "menor que"},
            {'=', "igual"},
            {'>', "major que"},
            {'?', "interrogant"},
            {'@', "arrova"},
            {'[', "obre claudàtor"},
            {'\\', "barra inversa"},
            {']', "tanca claudàtor"},
            {'^', "accent circumflex"},
            {'_', "guió baix"},
            {'`', "accent obert"},
            {'{', "obre clau"},
            {'|', "barra vertical"},
            {'}', "tanca clau"},
            {'~', "titlla"},
            {0x80, "euro"},
            {0x84, "cometes baixes"},
            {0x93, "obre cometes"},
            {0x94, "tanca cometes"},
            {0x95, "pic"},
            {0xA1, "exclamació oberta"},
            {0xA2, "cèntim"},
            {0xAA, "ordinal femení"},
            {0xAB, "obre cometes angulars"},
            {0xAC, "negació"},
            {0xB5, "micro"},
            {0xB6, "calderó"},
            {0xB7, "punt volat"},
            {0xB8, "trenc"},
            {0xBA, "ordinal masculí"},
            {0xBB, "tanca cometes angulars"},
            {0xBD, "un mig"},
            {0xBF, "interrogant obert"},
            {0xA8, "dièresi"},
            {0xB4, "accent tancat"},
            {0xE7, "ce trencada"},
            {0xF1, "enya"},
            {0xE6, "a e lligades"},
            {0xDF, "essa alemanya"},
            {0xF0, "eth"},
            {0xF8, "o barrada"},
            {0xFE, "thorn"},
        };
        for (const auto& s : signs) t[s.ch] = s.name;
        return t;
    }();
    return table;
}

// The lower-case letter of a capital, or 0.
unsigned char LowerOf(unsigned char ch) {
    if (ch >= 'A' && ch <= 'Z') return static_cast<unsigned char>(ch + 32);
    // Windows-1252 capitals with accents, Ç, Ñ, Æ, Ø, Þ sit 32 below their small letters.
    if (ch >= 0xC0 && ch <= 0xDE && ch != 0xD7) return static_cast<unsigned char>(ch + 32);
    return 0;
}

}  // namespace

QString CharName(unsigned char ch) {
    if (ch < ' ' || ch == 127) return QString();
    const unsigned char lower = LowerOf(ch);
    const unsigned char small = lower != 0 ? lower : ch;
    QString name;
    const TDeadKeySequence dead = DeadKeyOf(small);
    const char* own = NameTable()[dead.DeadKey != 0 ? dead.Base : small];
    name = own != nullptr ? FromUtf8(own) : FromAnsiChar(small);
    if (lower != 0) name += FromUtf8(kSayCapital);
    if (dead.DeadKey != 0) name += FromUtf8(kSayWith) + FromUtf8(NameTable()[dead.DeadKey]);
    return name;
}

QString TypedKeyName(unsigned char key) {
    switch (key) {
        case kBackspace:
            return FromUtf8(kSayBackspace);
        case 9:
            return FromUtf8(kSayTab);
        case 13:
            return FromUtf8(kSayEnter);
        case kUnknownChar:
            return FromUtf8(kSayUnknownKey);
        default:
            return CharName(key);
    }
}

}  // namespace teclarium
