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

std::string FirstCharNotAnsi(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].unicode() == 0 || AnsiChar(text[i]) != 0) continue;
        // A character beyond the first 65,536 takes two units.
        const qsizetype units = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        return text.mid(i, units).toUtf8().toStdString();
    }
    return {};
}

std::string_view SkipByteOrderMark(std::string_view text) {
    if (text.starts_with(kUtf8ByteOrderMark)) text.remove_prefix(kUtf8ByteOrderMark.size());
    return text;
}

bool IsUtf8Text(std::string_view content) {
    bool wide = false;
    for (std::size_t i = 0; i < content.size();) {
        const auto lead = static_cast<unsigned char>(content[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        const std::size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                                   : lead >= 0xE0 && lead <= 0xEF ? 3
                                   : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                                  : 0;
        if (length == 0 || i + length > content.size()) return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(content[i + k]) & 0xC0) != 0x80) return false;
        wide = true;
        i += length;
    }
    return wide;
}

TAnsiText FileTextToAnsi(std::string content) {
    const std::string_view utf8 = SkipByteOrderMark(content);
    // Windows-1252 text keeps its bytes, without a copy.
    if (utf8.size() == content.size() && !IsUtf8Text(utf8)) return {std::move(content), {}};
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    std::string().swap(content);  // its memory back before the new bytes take theirs
    return {ToAnsi(text), FirstCharNotAnsi(text)};
}

}  // namespace teclarium
