// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The keys of section "Options" that hold the user's options and last choices,
// with their defaults and ranges, in the order they are read and written.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <variant>

namespace teclarium {

class TNewIniFile;

inline constexpr const char* kOptionsSection = "Options";
// Keys of the shared file only, read at start and written at close.
inline constexpr const char* kKeySeveralUsers = "SeveralUsers";
inline constexpr const char* kKeyMkLink = "MkLink";
// A key of the user's file beside the table: the colour-blind palette (boolean).
inline constexpr const char* kKeyColourBlind = "ColourBlind";

// The values as the window takes and gives them; the defaults are a first start's.
struct TSettings {
    std::string TcmFN = "11.tcm";
    int Type = 0;  // 0 exercise file, 1 random words, else clipboard (as read, all bits)
    int ItemIndexIni = 0;
    int CharsCount = 3;
    int WordsCount = 6;
    int RepeatLine = 3;
    bool RepeatWord = false;
    bool RepeatWrongWord = true;
    bool ShowIncorrectKey = true;
    bool ShowKeyboard = true;
    bool ShowKeyToType = true;
    bool WriteWrongChar = false;
    int EditFontSize = 16;
    int VKFontSize = 13;
    bool OneHand = false;
    bool NaturalKeyboard = false;
    bool KBSeparated = false;
    bool CenteredWindow = false;
    std::string Keyboard;  // empty: the system's layout; else its XKB name, "es(cat)"
    // How the drill is spoken: 0 not at all, 1 through the screen reader, 2 with the
    // program's own voice; the own voice's rate, -10 (slowest) to 10.
    int Speech = 1;
    int SpeechRate = 0;
};

struct TSettingsKey {
    const char* Name;
    std::variant<std::string TSettings::*, int TSettings::*, bool TSettings::*> Field;
    // The range of the spin edit that shows an integer; Min == Max: no range.
    int Min = 0;
    int Max = 0;
};

extern const std::array<TSettingsKey, 21> kSettingsKeys;
// The key of that name (it must be one of the table).
const TSettingsKey& SettingsKey(const char* name);

// The course's target and lesson size, keys of their own in the same section; the
// course window reads and writes them, the window's settings leave them alone.
struct TCourseSettings {
    int TargetSpeed = 150;    // keys per minute
    int TargetAccuracy = 95;  // right keys per hundred
    int LessonWords = 30;
};
struct TCourseSettingsKey {
    const char* Name;
    int TCourseSettings::*Field;
    int Min;
    int Max;
};
extern const std::array<TCourseSettingsKey, 3> kCourseSettingsKeys;
// As ReadSettings and WriteSettings, for the course's keys.
TCourseSettings ReadCourseSettings(const TNewIniFile& file);
void WriteCourseSettings(TNewIniFile& file, const TCourseSettings& settings);

// Every key, in table order; a missing or unreadable value gives its default and an
// integer out of its range takes the nearer bound.
TSettings ReadSettings(const TNewIniFile& file);
// What a spin edit saves: its text read as an integer, or the control's minimum
// when the text is no integer (a box emptied while typing).
int SavedSpinValue(std::string_view text, int minimum);

// Every key, in table order, in memory (the caller writes the file). A text that
// cannot be stored (IsStorableIniValue) is written empty: no exercise file is
// remembered rather than one whose name would break the file.
void WriteSettings(TNewIniFile& file, const TSettings& settings);

}  // namespace teclarium
