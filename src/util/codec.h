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
// The first character of the text that Windows-1252 cannot hold (UTF-8); empty when none.
std::string FirstCharNotAnsi(const QString& text);

// What an editor may put at the head of a UTF-8 file.
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
// The text without a leading UTF-8 byte-order mark.
std::string_view SkipByteOrderMark(std::string_view text);
// Whether the content is UTF-8 text with some character beyond ASCII (Windows-1252
// text with an accent never is, in practice).
bool IsUtf8Text(std::string_view content);

// A file's text as Windows-1252 bytes: after a UTF-8 byte-order mark, or when it is
// UTF-8 text (IsUtf8Text), it is read as UTF-8; else it is taken as it is. NotAnsi
// names the first character that Windows-1252 cannot hold (0x1A in its place).
struct TAnsiText {
    std::string Bytes;
    std::string NotAnsi;  // UTF-8; empty when every character was kept
};
TAnsiText FileTextToAnsi(std::string content);

}  // namespace teclarium
