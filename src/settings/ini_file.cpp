// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "settings/ini_file.h"

#include <charconv>
#include <utility>

#include "util/app_error.h"
#include "util/codec.h"
#include "util/file_attributes.h"
#include "util/files.h"
#include "util/messages.h"
#include "util/text.h"

namespace teclarium {
namespace {

TIniWriteGuard& WriteGuard() {
    static TIniWriteGuard guard;
    return guard;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

// A key's line reads back as that key: no "=" in the key, and no start that makes
// the line a comment or a section.
bool IsStorableKey(std::string_view key) {
    return IsStorableIniValue(key) && key.find('=') == std::string_view::npos && !key.starts_with(';') &&
           !key.starts_with('[');
}

}  // namespace

bool IsStorableIniValue(std::string_view value) {
    return value.find_first_of("\r\n") == std::string_view::npos;
}

TIniWriteGuard SetIniWriteGuard(TIniWriteGuard guard) {
    return std::exchange(WriteGuard(), std::move(guard));
}

std::optional<int> ParseIniInteger(std::string_view text) {
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
    }
    // from_chars takes no "+" and reads hexadecimal without a sign.
    const bool plus = base == 10 && !text.empty() && text[0] == '+';
    if (plus) text.remove_prefix(1);
    if (text.empty() || text[0] == '+' || ((plus || base == 16) && text[0] == '-')) return std::nullopt;
    const char* end = text.data() + text.size();
    if (base == 16) {
        unsigned int value = 0;
        const auto [ptr, ec] = std::from_chars(text.data(), end, value, 16);
        if (ec != std::errc() || ptr != end) return std::nullopt;
        return static_cast<int>(value);  // 0xFFFFFFFF is -1, as a 32-bit word
    }
    int value = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), end, value, 10);
    if (ec != std::errc() || ptr != end) return std::nullopt;
    return value;
}

TNewIniFile::TNewIniFile(std::string fileName) : FFileName(std::move(fileName)) {
    if (!FileExists(FFileName)) return;
    // A file that cannot be read whole is never written over: every write reads it first.
    TAnsiText text;
    try {
        text = FileTextToAnsi(ReadWholeFile(FFileName, kSettingsFileMaxBytes));
    } catch (const TAppError& error) {
        throw TAppError(std::string(error.what()) + std::string(kMsgIniKeptUnread));
    }
    // An editor's UTF-8 is read as such; a character that could not be written back
    // would be lost with every other value: the file is left as it is.
    if (!text.NotAnsi.empty())
        throw TAppError(Format(Format(kMsgIniCharNotAnsi, text.NotAnsi), FFileName) +
                        std::string(kMsgIniKeptUnread));
    Parse(text.Bytes);
}

void TNewIniFile::Parse(std::string_view text) {
    TSection* section = nullptr;
    ForEachLine(text, [&](std::string_view line) {
        if (line.empty()) return true;
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            section = &FSections.emplace_back();
            section->Name = line.substr(1, line.size() - 2);
            return true;
        }
        if (!section || line.front() == ';') return true;
        TLine& entry = section->Lines.emplace_back();
        const std::size_t equals = line.find('=');
        entry.HasValue = equals != std::string_view::npos;
        entry.Key = line.substr(0, equals);
        if (entry.HasValue) entry.Value = line.substr(equals + 1);
        return true;
    });
}

template <typename Self>
auto* TNewIniFile::FindSection(Self& self, std::string_view section) {
    // A repeated section: only the first is read and written.
    for (auto& s : self.FSections)
        if (SameName(s.Name, section)) return &s;
    return static_cast<decltype(&self.FSections.front())>(nullptr);
}

template <typename Self>
auto* TNewIniFile::Find(Self& self, std::string_view section, std::string_view key) {
    auto* s = FindSection(self, section);
    if (s)
        for (auto& line : s->Lines)
            if (line.HasValue && SameName(line.Key, key)) return &line;
    return static_cast<decltype(&s->Lines.front())>(nullptr);
}

std::string TNewIniFile::ReadString(std::string_view section, std::string_view key,
                                    std::string_view def) const {
    const TLine* line = Find(*this, section, key);
    return std::string(line ? std::string_view(line->Value) : def);
}

int TNewIniFile::ReadInteger(std::string_view section, std::string_view key, int def) const {
    const TLine* line = Find(*this, section, key);
    if (!line) return def;
    return ParseIniInteger(line->Value).value_or(def);
}

bool TNewIniFile::ReadBool(std::string_view section, std::string_view key, bool def) const {
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

std::vector<std::string> TNewIniFile::Keys(std::string_view section) const {
    std::vector<std::string> keys;
    if (const TSection* s = FindSection(*this, section))
        for (const TLine& line : s->Lines)
            if (line.HasValue && Find(*this, section, line.Key) == &line) keys.push_back(line.Key);
    return keys;
}

void TNewIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    if (!IsStorableIniValue(section)) throw TAppError(Format(kMsgIniBadName, section));
    if (!IsStorableKey(key)) throw TAppError(Format(kMsgIniBadName, key));
    if (!IsStorableIniValue(value)) throw TAppError(Format(kMsgIniValueLineBreak, key));
    if (TLine* found = Find(*this, section, key)) {
        found->Value = value;
        return;
    }
    TSection* target = FindSection(*this, section);
    if (!target) {
        target = &FSections.emplace_back();
        target->Name = section;
    }
    target->Lines.push_back({std::string(key), std::string(value), true});
}

void TNewIniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
    WriteString(section, key, std::to_string(value));
}

void TNewIniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

std::string TNewIniFile::Text() const {
    std::string text;
    for (const TSection& s : FSections) {
        text += '[';
        text += s.Name;
        text += "]\r\n";
        for (const TLine& line : s.Lines) {
            text += line.Key;
            if (line.HasValue) {
                text += '=';
                text += line.Value;
            }
            text += "\r\n";
        }
        text += "\r\n";
    }
    return text;
}

bool TNewIniFile::UpdateFile() const {
    const TIniWriteGuard& guard = WriteGuard();
    if (guard ? !guard(FFileName) : DecideClearReadOnly(FFileName).Action != TReadOnlyAction::Allow)
        return false;
    WriteWholeFile(FFileName, Text());
    return true;
}

}  // namespace teclarium
