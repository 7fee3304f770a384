// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// Byte strings between the logic (std::string) and the test data (QByteArray).
#pragma once

#include <QByteArray>
#include <string>

inline std::string S(const QByteArray& b) {
    return std::string(b.constData(), std::size_t(b.size()));
}
inline QByteArray B(const std::string& s) {
    return QByteArray(s.data(), qsizetype(s.size()));
}
