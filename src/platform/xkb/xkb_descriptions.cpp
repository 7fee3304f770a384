// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "platform/xkb/xkb_descriptions.h"

#include <cstdint>
#include <cstring>
#include <fstream>
#include <map>

namespace teclarium {
namespace {

constexpr const char* kRulesList = "/usr/share/X11/xkb/rules/evdev.xml";
constexpr std::streamoff kMaxFileBytes = 8 << 20;

// A file's bytes, read once; empty when it cannot be read or is too big.
const std::string& CachedFile(const std::string& path) {
    static std::map<std::string, std::string> files;
    if (const auto found = files.find(path); found != files.end()) return found->second;
    std::string& bytes = files[path];
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    const std::streamoff size = in ? static_cast<std::streamoff>(in.tellg()) : 0;
    if (size <= 0 || size > kMaxFileBytes) return bytes;
    bytes.resize(static_cast<std::size_t>(size));
    in.seekg(0);
    if (!in.read(bytes.data(), size)) bytes.clear();
    return bytes;
}

// The text of the first <tag> element in the part, with XML's five entities read.
std::string ElementText(std::string_view part, std::string_view tag) {
    std::string open(1, '<'), close("</");
    open.append(tag).push_back('>');
    close.append(tag).push_back('>');
    const std::size_t start = part.find(open);
    if (start == std::string_view::npos) return {};
    const std::size_t end = part.find(close, start);
    if (end == std::string_view::npos) return {};
    const std::string_view raw = part.substr(start + open.size(), end - start - open.size());
    static const std::pair<std::string_view, char> entities[] = {
        {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}, {"&amp;", '&'}};
    std::string text;
    for (std::size_t at = 0; at < raw.size();) {
        bool entity = false;
        for (const auto& [name, ch] : entities)
            if (raw.substr(at).starts_with(name)) {
                text += ch;
                at += name.size();
                entity = true;
                break;
            }
        if (!entity) text += raw[at++];
    }
    return text;
}

// The English description of the layout in the rules' list.
std::string EnglishDescription(std::string_view list, const TXkbLayoutName& name) {
    for (std::size_t at = list.find("<layout>"); at != std::string_view::npos;
         at = list.find("<layout>", at + 1)) {
        const std::size_t end = list.find("</layout>", at);
        if (end == std::string_view::npos) break;
        const std::string_view layout = list.substr(at, end - at);
        const std::size_t variants = std::min(layout.find("<variantList>"), layout.size());
        if (ElementText(layout.substr(0, variants), "name") != name.Layout) continue;
        if (name.Variant.empty()) return ElementText(layout.substr(0, variants), "description");
        for (std::size_t v = layout.find("<variant>"); v != std::string_view::npos;
             v = layout.find("<variant>", v + 1)) {
            const std::string_view variant = layout.substr(v, layout.find("</variant>", v) - v);
            if (ElementText(variant, "name") == name.Variant) return ElementText(variant, "description");
        }
        return {};
    }
    return {};
}

std::uint32_t Word(std::string_view bytes, std::size_t at) {
    if (at + 4 > bytes.size()) return 0;
    std::uint32_t w = 0;
    std::memcpy(&w, bytes.data() + at, 4);
    return w;
}

// The string of entry n of a catalogue's table at offset table; nullopt outside the bytes.
std::string_view EntryText(std::string_view bytes, std::uint32_t table, std::uint32_t n) {
    const std::uint32_t length = Word(bytes, table + 8 * std::size_t(n)),
                        offset = Word(bytes, table + 8 * std::size_t(n) + 4);
    if (std::size_t(offset) + length > bytes.size()) return {};
    return bytes.substr(offset, length);
}

}  // namespace

std::string CatalogueTranslation(std::string_view catalogue, std::string_view text) {
    // A catalogue written on this machine's byte order (the little-endian magic).
    if (Word(catalogue, 0) != 0x950412deu || text.empty()) return {};
    const std::uint32_t count = Word(catalogue, 8), originals = Word(catalogue, 12),
                        translations = Word(catalogue, 16);
    for (std::uint32_t n = 0; n < count; ++n)
        if (EntryText(catalogue, originals, n) == text)
            return std::string(EntryText(catalogue, translations, n));
    return {};
}

TXkbDescription XkbLayoutDescription(const TXkbLayoutName& name, std::string_view language) {
    TXkbDescription d;
    d.English = EnglishDescription(CachedFile(kRulesList), name);
    if (d.English.empty()) return d;
    d.Translated = CatalogueTranslation(
        CachedFile("/usr/share/locale/" + std::string(language) + "/LC_MESSAGES/xkeyboard-config.mo"),
        d.English);
    return d;
}

}  // namespace teclarium
