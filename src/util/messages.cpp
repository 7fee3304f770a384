// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "util/messages.h"

namespace teclarium {

namespace {

std::string ReplaceFirst(std::string_view pattern, std::string_view placeholder, std::string_view value) {
    std::string result(pattern);
    const std::size_t at = result.find(placeholder);
    if (at != std::string::npos) result.replace(at, placeholder.size(), value);
    return result;
}

}  // namespace

std::string Format(std::string_view pattern, std::string_view value) {
    return ReplaceFirst(pattern, "%s", value);
}

std::string FormatNumber(std::string_view pattern, long long value) {
    return ReplaceFirst(pattern, "%d", std::to_string(value));
}

}  // namespace teclarium
