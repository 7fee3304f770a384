// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The on-screen keyboard's geometry, finger-zone colours, showing and hiding, and
// the arrangement of the window around it.
#include <QCheckBox>
#include <QFrame>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QSpinBox>
#include <QStyle>
#include <algorithm>

#include "keyboard/colour_palette.h"
#include "keyboard/keyboard_geometry.h"
#include "keyboard/ui/key_panel.h"
#include "keyboard/zone_colours.h"
#include "shell/typewriting_window.h"
#include "util/ui/widget_font.h"

namespace teclarium {
namespace {

void SetBox(QWidget* w, const TBox& box) {
    w->setGeometry(box.Left, box.Top, box.Width, box.Height);
}

QColor ToColor(TRgb c) {
    return QColor(c.R, c.G, c.B);
}

}  // namespace

void TFTypewriting::LayoutKeyboard() {
    P_VirtualKeyboard->hide();
    const TKeyboardGeometry g = KeyboardGeometry(FVKFontSize, CB_KBSeparated->isChecked());
    for (int number = 1; number <= kKeyCount; ++number) {
        SetBox(FKeys[number].Panel, g.Keys[number]);
        SetBox(FKeys[number].Frame, g.Frames[number]);
        SetPointSize(FKeys[number].Panel, number == kCapsLockKey ? g.CapsLockFontSize : g.KeyFontSize);
    }
    SetBox(P_SpaceBar, g.SpaceBar);
    SetBox(P_AltGr, g.AltGr);
    SetPointSize(P_AltGr, g.AltGrFontSize);
    P_VirtualKeyboard->resize(g.Width, g.Height);
    ArrangeWindow();
}

void TFTypewriting::SetHandColours() {
    const auto zones = FrameZones({FOneHand, FNaturalKeyboard});
    const TKeyboardPalette& colours = KeyboardPalette(FColourBlind);
    const QColor lamp = ToColor(colours.Lamp);
    const QColor face = colours.Face ? ToColor(*colours.Face) : QColor();
    for (int number = 1; number <= kKeyCount; ++number) {
        QFrame* frame = FKeys[number].Frame;
        QPalette palette = frame->palette();
        palette.setColor(QPalette::Window, ToColor(ZoneColour(colours, zones[number])));
        frame->setPalette(palette);
        FKeys[number].Panel->SetColours(lamp, face);
    }
    P_SpaceBar->SetColours(lamp, face);
    P_AltGr->SetColours(lamp, face);
}

void TFTypewriting::SetShowKeyboard(bool value) {
    FShowKeyboard = value;
    CB_ShowKeyboard->setChecked(value);
    CB_ShowKeyToType->setVisible(value);
    CB_KBSeparated->setVisible(value);
    ArrangeWindow();
}

void TFTypewriting::ArrangeWindow() {
    const TWindowArrangement a =
        ArrangeWindowGeometry(FShowKeyboard, Panel1->width(), Panel1->height(), P_VirtualKeyboard->width(),
                              P_VirtualKeyboard->height());
    // The menu bar and its bevel lie above the client area.
    const int top = MenuHeight();
    P_VirtualKeyboard->hide();
    Panel1->move(a.PanelLeft, top);
    if (a.KeyboardShown) P_VirtualKeyboard->move(a.KeyboardLeft, top + a.KeyboardTop);
    P_Client->setFixedSize(a.ClientWidth, top + a.ClientHeight);
    MainMenu1->setGeometry(0, 0, a.ClientWidth, MainMenu1->height());
    BSeparador->setGeometry(0, MainMenu1->height(), a.ClientWidth, top - MainMenu1->height());
    P_VirtualKeyboard->setVisible(a.KeyboardShown);
    FitToScreen();
}

void TFTypewriting::FitToScreen() {
    const QSize content = P_Client->size();
    QSize room = content;
    if (const QScreen* s = screen()) room = s->availableGeometry().size() - (frameGeometry().size() - size());
    QSize size = content.boundedTo(room);
    // A scroll bar along one side takes its breadth from the other.
    const int bar = SB_Window->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, SB_Window);
    const bool fits = size == content;
    if (size.width() < content.width()) size.setHeight(std::min(room.height(), content.height() + bar));
    if (size.height() < content.height()) size.setWidth(std::min(room.width(), content.width() + bar));
    setMaximumSize(fits ? content : content + QSize(bar, bar));
    resize(size);
}

void TFTypewriting::SE_VKFontSizeChange() {
    const int value = SE_VKFontSize->value();
    // Smaller values go by while a number is being typed.
    if (value < 8) return;
    FVKFontSize = static_cast<std::uint8_t>(value);
    LayoutKeyboard();
}

void TFTypewriting::CB_KBSeparatedClick() {
    LayoutKeyboard();
}

void TFTypewriting::CB_ShowKeyboardClick() {
    SetShowKeyboard(CB_ShowKeyboard->isChecked());
    RefocusTyping();
}

}  // namespace teclarium
