// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The settings file in memory: sections of key-and-value lines, read whole when
// the object is made and written whole by UpdateFile. Names of sections and keys
// compare without letter case and untrimmed; the first of a repeated key counts.
// Lines before the first section, empty lines and comments (";") are not kept;
// everything else, known to the program or not, is written back as it was.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace teclarium {

// Far above any real settings file (a few KB): a larger one is refused by name and size.
inline constexpr std::uint64_t kSettingsFileMaxBytes = 16u << 20;

// Whether a file may be written. The shell installs the one that asks the user
// about a read-only file; without it a read-only file is left alone.
using TIniWriteGuard = std::function<bool(const std::string& fileName)>;
TIniWriteGuard SetIniWriteGuard(TIniWriteGuard guard);

// Why a write to the store is refused (UTF-8; %s the key, or the name refused).
inline constexpr std::string_view kMsgIniValueLineBreak =
    "No es pot desar a la configuració el valor de %s: conté un salt de línia";
inline constexpr std::string_view kMsgIniBadName =
    "No es pot desar a la configuració el nom de secció o clau '%s'";

// Why a settings file is not read, after which it is not written either (UTF-8; %s
// the character, then the file).
inline constexpr std::string_view kMsgIniCharNotAnsi =
    "El caràcter «%s» del fitxer de configuració %s no es pot desar en Windows-1252, la codificació del "
    "programa";
inline constexpr std::string_view kMsgIniKeptUnread =
    "\r\nEl programa fa servir la configuració per defecte i no desarà res en aquest fitxer fins que es "
    "pugui llegir.";

// Whether a value can be written: a line break in it would end its line there and
// make the rest read as keys and sections of their own.
bool IsStorableIniValue(std::string_view value);

// A value as an integer: decimal, or hexadecimal after "0x"/"0X"; none when the
// text is not a whole 32-bit number.
std::optional<int> ParseIniInteger(std::string_view text);

class TNewIniFile {
  public:
    // Reads the file; a missing file (or a folder in its place) gives an empty store.
    // A byte-order mark is skipped, and UTF-8 text is read as such (written back in
    // Windows-1252). Throws TAppError, naming the file, when it cannot be read whole
    // or holds a character that Windows-1252 lacks.
    explicit TNewIniFile(std::string fileName);

    const std::string& FileName() const { return FFileName; }

    std::string ReadString(std::string_view section, std::string_view key, std::string_view def) const;
    int ReadInteger(std::string_view section, std::string_view key, int def) const;
    bool ReadBool(std::string_view section, std::string_view key, bool def) const;
    // The keys of a section that have a value, each once, in file order.
    std::vector<std::string> Keys(std::string_view section) const;
    // Changes nothing and throws TAppError when the value holds a line break
    // (IsStorableIniValue), or the section or key would not read back as itself.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, int value);
    void WriteBool(std::string_view section, std::string_view key, bool value);

    // Writes the whole file (CR LF) when the write guard allows it; a file that
    // cannot be written throws TAppError "No es pot crear el fitxer <path>" and
    // leaves the old file as it was. False when the guard refused.
    bool UpdateFile() const;
    // The file's text as UpdateFile writes it.
    std::string Text() const;

  private:
    struct TLine {
        std::string Key;    // text before the first "=", or the whole line without one
        std::string Value;  // text after the first "="
        bool HasValue = false;
    };
    struct TSection {
        std::string Name;
        std::vector<TLine> Lines;
    };
    void Parse(std::string_view text);
    template <typename Self>
    static auto* FindSection(Self& self, std::string_view section);
    template <typename Self>
    static auto* Find(Self& self, std::string_view section, std::string_view key);

    std::string FFileName;
    std::vector<TSection> FSections;
};

}  // namespace teclarium
