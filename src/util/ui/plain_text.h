// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// Texts from outside the program (names, paths, a file's lines) shown where Qt
// would guess whether they are markup: a tooltip takes any text that looks like
// markup for rich text, so "<img src=/dev/zero>" in a folder's name would be
// loaded as an image.
#pragma once

#include <QString>

namespace teclarium {

// The text as a tooltip that shows it exactly as it is, line breaks included.
inline QString PlainTextTip(const QString& text) {
    if (text.isEmpty()) return text;
    return QStringLiteral("<p style='white-space:pre-wrap'>") + text.toHtmlEscaped() + QStringLiteral("</p>");
}

}  // namespace teclarium
