// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// Helpers of the real-keyboard tests (Xvfb): real X key events through xdotool, the
// window given the X input focus, and the on-screen keyboard's lit keys and lamps.
#pragma once

#include <QProcess>
#include <QStringList>
#include <QTest>

#include "keyboard/key_table.h"
#include "keyboard/ui/key_panel.h"
#include "shell/typewriting_window.h"
#include "widget_test_support.h"

namespace teclarium::test {

inline bool Run(const QString& program, const QStringList& args) {
    return QProcess::execute(program, args) == 0;
}
inline bool Xdo(const QStringList& args) {
    return Run(QStringLiteral("xdotool"), args);
}
inline bool Key(const QString& keysym) {
    return Xdo({"key", keysym});
}
inline bool Down(const QString& keysym) {
    return Xdo({"keydown", keysym});
}
inline bool Up(const QString& keysym) {
    return Xdo({"keyup", keysym});
}

// Shows the window, gives it the X input focus and waits until Qt sees it active.
inline bool ShowFocused(QWidget& window) {
    window.show();
    return QTest::qWaitForWindowExposed(&window) &&
           Xdo({"windowfocus", "--sync", QString::number(window.winId())}) &&
           QTest::qWaitFor([&] { return window.isActiveWindow(); });
}

// The panel of a key by its virtual-key code.
inline TKeyPanel* Panel(const TFTypewriting& window, int code) {
    return window.findChild<TKeyPanel*>(QStringLiteral("P_K%1").arg(code));
}

// The virtual-key codes of the lit character keys, in key-number order.
inline QString LitKeys(const TFTypewriting& window) {
    QStringList lit;
    for (int n = 1; n <= kCharKeyCount; ++n)
        if (KeyPanel(window, n)->Lit()) lit << QString::number(kKeyCodes[n]);
    return lit.join(' ');
}

// The lit lamps: L left Shift, R right Shift, G AltGr, B Backspace, S space bar.
inline QString Lamps(const TFTypewriting& window) {
    QString s;
    if (KeyPanel(window, kLeftShiftKey)->Lit()) s += 'L';
    if (KeyPanel(window, kRightShiftKey)->Lit()) s += 'R';
    if (Child<TKeyPanel>(window, "P_AltGr")->Lit()) s += 'G';
    if (KeyPanel(window, kBackspaceKey)->Lit()) s += 'B';
    if (Child<TKeyPanel>(window, "P_SpaceBar")->Lit()) s += 'S';
    return s;
}

}  // namespace teclarium::test
