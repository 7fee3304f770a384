// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "keyboard/layout_names.h"

#include "keyboard/keyboard_texts.h"

namespace teclarium {
namespace {

bool IsNamePart(std::string_view part) {
    if (part.empty() || part.size() > 32) return false;
    for (char c : part)
        if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '-')) return false;
    return true;
}

}  // namespace

const std::vector<TNamedLayout>& SupportedLayouts() {
    static const std::vector<TNamedLayout> layouts{
        {{"es", ""}, kLayoutSpanish},    {{"es", "cat"}, kLayoutCatalanSpanish},
        {{"fr", ""}, kLayoutFrench},     {{"it", ""}, kLayoutItalian},
        {{"us", "intl"}, kLayoutUsIntl}, {{"latam", ""}, kLayoutLatinAmerican},
        {{"pt", ""}, kLayoutPortuguese},
    };
    return layouts;
}

QString LayoutDisplayName(const TXkbLayoutName& name, const TXkbDescription& described) {
    if (!described.Translated.empty()) return QString::fromStdString(described.Translated);
    for (const TNamedLayout& layout : SupportedLayouts())
        if (layout.Name == name) return QString::fromUtf8(layout.CatalanName);
    if (!described.English.empty()) return QString::fromStdString(described.English);
    return QString::fromUtf8("«%1»").arg(QString::fromStdString(LayoutChoice(name)));
}

std::string LayoutChoice(const TXkbLayoutName& name) {
    return name.Variant.empty() ? name.Layout : name.Layout + "(" + name.Variant + ")";
}

std::optional<TXkbLayoutName> ParseLayoutChoice(std::string_view choice) {
    TXkbLayoutName name;
    if (const std::size_t open = choice.find('('); open != std::string_view::npos) {
        if (!choice.ends_with(')')) return std::nullopt;
        name.Variant = choice.substr(open + 1, choice.size() - open - 2);
        if (!IsNamePart(name.Variant)) return std::nullopt;
        choice = choice.substr(0, open);
    }
    if (!IsNamePart(choice)) return std::nullopt;
    name.Layout = choice;
    return name;
}

bool IsKeyMappingFileLayout(const TXkbLayoutName& name) {
    return name.Layout == "es" && name.Variant.empty();
}

}  // namespace teclarium
