// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// Which Qt platform the program runs on. Its key handling needs the raw X11 key
// events, so on a Wayland desktop it runs through XWayland.
#pragma once

#include <functional>
#include <string_view>

namespace teclarium {

inline constexpr const char* kMsgNoXDisplay =
    "Teclarium necessita el sistema de finestres X11 (o XWayland) i no n'hi ha cap: "
    "la variable DISPLAY no està definida.\n";
// %s: the display's name, as DISPLAY gives it.
inline constexpr std::string_view kMsgDisplayNotAnswering =
    "Teclarium no pot obrir la pantalla X11 «%s»: no respon o no hi teniu accés. "
    "Comproveu la variable DISPLAY.\n";
// QT_QPA_PLATFORM asks for Wayland (%s: its value).
inline constexpr std::string_view kMsgWaylandThroughX11 =
    "Teclarium s'obre per XWayland i no per Wayland (QT_QPA_PLATFORM=%s): "
    "necessita les tecles del sistema X11.\n";

enum class TWindowSystem {
    AsAsked,   // QT_QPA_PLATFORM names one other than X11 (offscreen for tests): keep it
    Xcb,       // none or X11 asked and an X display named: X11, also under Wayland
    XWayland,  // Wayland asked and an X display named: X11 all the same, with a word
    None,      // none, X11 or Wayland asked and no X display named: no window can be shown
};

// From the values of QT_QPA_PLATFORM and DISPLAY (empty when unset).
TWindowSystem ChooseWindowSystem(std::string_view qpaPlatform, std::string_view display);

// Applies the choice for the process before the application object is made. With no
// X display named, or one for which displayAnswers (given its name) is false, it writes
// the message on stderr and returns false.
bool SelectWindowSystem(const std::function<bool(const char* name)>& displayAnswers);

}  // namespace teclarium
