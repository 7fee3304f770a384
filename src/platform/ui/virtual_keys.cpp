// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "platform/ui/virtual_keys.h"

#include <QKeyEvent>
#include <array>

namespace teclarium {

int VirtualKeyOfScanCode(unsigned scanCode) {
    // X keycodes (evdev + 8) of a pc105 keyboard to the Spanish layout's codes.
    static const std::array<std::uint8_t, 256> table = [] {
        std::array<std::uint8_t, 256> t{};
        const std::pair<int, int> rows[] = {
            {49, 220}, {10, 49},  {11, 50},  {12, 51},  {13, 52},  {14, 53},  {15, 54},  {16, 55},  {17, 56},
            {18, 57},  {19, 48},  {20, 219}, {21, 221}, {22, 8},   {23, 9},   {24, 81},  {25, 87},  {26, 69},
            {27, 82},  {28, 84},  {29, 89},  {30, 85},  {31, 73},  {32, 79},  {33, 80},  {34, 186}, {35, 187},
            {36, 13},  {66, 20},  {38, 65},  {39, 83},  {40, 68},  {41, 70},  {42, 71},  {43, 72},  {44, 74},
            {45, 75},  {46, 76},  {47, 192}, {48, 222}, {51, 191}, {50, 16},  {94, 226}, {52, 90},  {53, 88},
            {54, 67},  {55, 86},  {56, 66},  {57, 78},  {58, 77},  {59, 188}, {60, 190}, {61, 189}, {62, 16},
            {37, 17},  {105, 17}, {64, 18},  {108, 18}, {92, 18},  {65, 32},  {9, 27},   {110, 36}, {113, 37},
            {111, 38}, {114, 39}, {116, 40}, {115, 35}, {119, 46},
        };
        for (auto [code, vk] : rows) t[static_cast<std::size_t>(code)] = static_cast<std::uint8_t>(vk);
        return t;
    }();
    return scanCode < table.size() ? table[scanCode] : 0;
}

int VirtualKeyOf(const QKeyEvent& e) {
    if (const int vk = VirtualKeyOfScanCode(e.nativeScanCode()); vk != 0) return vk;
    const int key = e.key();
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) return key;
    switch (key) {
        case Qt::Key_Backspace:
            return 8;
        case Qt::Key_Tab:
            return 9;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 13;
        case Qt::Key_Shift:
            return 16;
        case Qt::Key_Control:
            return 17;
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
            return 18;
        case Qt::Key_CapsLock:
            return 20;
        case Qt::Key_Escape:
            return 27;
        case Qt::Key_Space:
            return 32;
        case Qt::Key_End:
            return 35;
        case Qt::Key_Home:
            return 36;
        case Qt::Key_Left:
            return 37;
        case Qt::Key_Up:
            return 38;
        case Qt::Key_Right:
            return 39;
        case Qt::Key_Down:
            return 40;
        case Qt::Key_Delete:
            return 46;
        case Qt::Key_Dead_Grave:
        case Qt::Key_Dead_Circumflex:
            return 186;
        case Qt::Key_Dead_Acute:
        case Qt::Key_Dead_Diaeresis:
            return 222;
        default:
            return 0;
    }
}

bool IsDeadKey(const QKeyEvent& e) {
    return e.key() >= Qt::Key_Dead_Grave && e.key() <= Qt::Key_Dead_Longsolidusoverlay;
}

}  // namespace teclarium
