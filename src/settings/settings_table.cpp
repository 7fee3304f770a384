// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "settings/settings_table.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "settings/ini_file.h"

namespace teclarium {

const std::array<TSettingsKey, 21> kSettingsKeys{{
    {"TcmFN", &TSettings::TcmFN},
    {"Type", &TSettings::Type},
    {"ItemIndexIni", &TSettings::ItemIndexIni},
    {"CharsCount", &TSettings::CharsCount, 2, 9},
    {"WordsCount", &TSettings::WordsCount, 2, 99},
    {"RepeatLine", &TSettings::RepeatLine, 0, 8},
    {"RepeatWord", &TSettings::RepeatWord},
    {"RepeatWrongWord", &TSettings::RepeatWrongWord},
    {"ShowIncorrectKey", &TSettings::ShowIncorrectKey},
    {"ShowKeyboard", &TSettings::ShowKeyboard},
    {"ShowKeyToType", &TSettings::ShowKeyToType},
    {"WriteWrongChar", &TSettings::WriteWrongChar},
    {"EditFontSize", &TSettings::EditFontSize, 14, 30},
    {"VKFontSize", &TSettings::VKFontSize, 8, 25},
    {"OneHand", &TSettings::OneHand},
    {"NaturalKeyboard", &TSettings::NaturalKeyboard},
    {"KBSeparated", &TSettings::KBSeparated},
    {"CenteredWindow", &TSettings::CenteredWindow},
    {"Keyboard", &TSettings::Keyboard},
    {"Speech", &TSettings::Speech, 0, 2},
    {"SpeechRate", &TSettings::SpeechRate, -10, 10},
}};

const std::array<TCourseSettingsKey, 3> kCourseSettingsKeys{{
    {"CourseTargetSpeed", &TCourseSettings::TargetSpeed, 10, 1000},
    {"CourseTargetAccuracy", &TCourseSettings::TargetAccuracy, 50, 100},
    {"CourseLessonWords", &TCourseSettings::LessonWords, 5, 99},
}};

TCourseSettings ReadCourseSettings(const TNewIniFile& file) {
    TCourseSettings s;
    for (const TCourseSettingsKey& key : kCourseSettingsKeys)
        s.*key.Field =
            std::clamp(file.ReadInteger(kOptionsSection, key.Name, s.*key.Field), key.Min, key.Max);
    return s;
}

void WriteCourseSettings(TNewIniFile& file, const TCourseSettings& settings) {
    for (const TCourseSettingsKey& key : kCourseSettingsKeys)
        file.WriteInteger(kOptionsSection, key.Name, settings.*key.Field);
}

const TSettingsKey& SettingsKey(const char* name) {
    for (const TSettingsKey& key : kSettingsKeys)
        if (std::strcmp(key.Name, name) == 0) return key;
    throw std::logic_error(name);
}

TSettings ReadSettings(const TNewIniFile& file) {
    TSettings s;
    for (const TSettingsKey& key : kSettingsKeys) {
        std::visit(
            [&](auto member) {
                auto& value = s.*member;
                using T = std::remove_reference_t<decltype(value)>;
                if constexpr (std::is_same_v<T, std::string>) {
                    value = file.ReadString(kOptionsSection, key.Name, value);
                } else if constexpr (std::is_same_v<T, bool>) {
                    value = file.ReadBool(kOptionsSection, key.Name, value);
                } else {
                    value = file.ReadInteger(kOptionsSection, key.Name, value);
                    if (key.Min < key.Max) value = std::clamp(value, key.Min, key.Max);
                }
            },
            key.Field);
    }
    return s;
}

int SavedSpinValue(std::string_view text, int minimum) {
    return ParseIniInteger(text).value_or(minimum);
}

void WriteSettings(TNewIniFile& file, const TSettings& settings) {
    for (const TSettingsKey& key : kSettingsKeys) {
        std::visit(
            [&](auto member) {
                const auto& value = settings.*member;
                using T = std::remove_cvref_t<decltype(value)>;
                if constexpr (std::is_same_v<T, std::string>)
                    file.WriteString(
                        kOptionsSection, key.Name,
                        IsStorableIniValue(value) ? std::string_view(value) : std::string_view());
                else if constexpr (std::is_same_v<T, bool>)
                    file.WriteBool(kOptionsSection, key.Name, value);
                else
                    file.WriteInteger(kOptionsSection, key.Name, value);
            },
            key.Field);
    }
}

}  // namespace teclarium
