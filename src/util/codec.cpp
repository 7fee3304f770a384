// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "util/codec.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <array>

namespace teclarium {
namespace {

// Table of the 256 bytes' characters, built once through the ICU decoder.
const std::array<char16_t, 256>& ByteToUnicode() {
    static const std::array<char16_t, 256> table = [] {
        std::array<char16_t, 256> t{};
        QByteArray all(256, '\0');
        for (int i = 0; i < 256; ++i) all[i] = static_cast<char>(i);
        QStringDecoder decoder("windows-1252");
        const QString text = decoder(all);
        for (int i = 0; i < 256 && i < text.size(); ++i) t[i] = text[i].unicode();
        return t;
    }();
    return table;
}

}  // namespace

QString FromAnsi(std::string_view bytes) {
    const auto& table = ByteToUnicode();
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* out = text.data();
    for (unsigned char b : bytes) *out++ = QChar(table[b]);
    return text;
}

unsigned char AnsiChar(QChar ch) {
    if (ch.unicode() < 0x80) return static_cast<unsigned char>(ch.unicode());
    if (ch.unicode() >= 0xA0 && ch.unicode() <= 0xFF) return static_cast<unsigned char>(ch.unicode());
    const auto& table = ByteToUnicode();
    for (int i = 0x80; i < 0xA0; ++i)
        if (table[i] == ch.unicode()) return static_cast<unsigned char>(i);
    return 0;
}

std::string ToAnsi(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (QChar ch : text) {
        const unsigned char b = AnsiChar(ch);
        bytes += static_cast<char>(b == 0 && ch.unicode() != 0 ? 0x1A : b);
    }
    return bytes;
}

}  // namespace teclarium
