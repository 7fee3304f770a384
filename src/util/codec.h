// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The one conversion pair between the program's Windows-1252 bytes and Qt's text.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace teclarium {

QString FromAnsi(std::string_view bytes);
// One Windows-1252 character as Qt's text.
inline QString FromAnsiChar(unsigned char ch) {
    const char byte = static_cast<char>(ch);
    return FromAnsi(std::string_view(&byte, 1));
}
// The program's own texts (UTF-8 in the source) as Qt's text.
inline QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
// A character that Windows-1252 cannot hold becomes byte 0x1A (matches no key).
std::string ToAnsi(const QString& text);
// One character to its Windows-1252 byte, or 0 when it has none.
unsigned char AnsiChar(QChar ch);

}  // namespace teclarium
