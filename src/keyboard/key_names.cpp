// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "keyboard/key_names.h"

#include <QStringList>

#include "keyboard/key_table.h"
#include "util/codec.h"

namespace teclarium {

QString KeyCharsName(const TKeyChars& key) {
    QString name = FromAnsiChar(key.Plain);
    if (key.Shifted != 0 && key.Shifted != key.Plain) name += QLatin1Char(' ') + FromAnsiChar(key.Shifted);
    return name;
}

QString SpecialKeyName(int number) {
    switch (number) {
        case kCapsLockKey:
            return QStringLiteral("Bloq Maj");
        case kLeftShiftKey:
            return FromUtf8("Majúscules esquerra");
        case kRightShiftKey:
            return FromUtf8("Majúscules dreta");
        case kBackspaceKey:
            return FromUtf8("Retrocés");
        default:
            return QString();
    }
}

QString NextKeyName(const TKeyCharsList& keys, const TLitKeys& lit) {
    QStringList parts;
    if (lit.LeftShift) parts << SpecialKeyName(kLeftShiftKey);
    if (lit.RightShift) parts << SpecialKeyName(kRightShiftKey);
    if (lit.AltGr) parts << QString::fromLatin1(kAltGrName);
    if (lit.Entry >= 0 && static_cast<std::size_t>(lit.Entry) < keys.size())
        parts << KeyCharsName(keys[static_cast<std::size_t>(lit.Entry)]);
    if (lit.SpaceBar) parts << QString::fromLatin1(kSpaceBarName);
    if (lit.Backspace) parts << SpecialKeyName(kBackspaceKey);
    if (parts.isEmpty()) return QString::fromLatin1(kKeyboardName);
    return FromUtf8("Tecla següent: ") + parts.join(QStringLiteral(" + "));
}

}  // namespace teclarium
