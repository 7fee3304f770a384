// Which Qt platform the program runs on. Its key handling needs the raw X11 key
// events, so on a Wayland desktop it runs through XWayland.
#pragma once

#include <string_view>

namespace teclarium {

inline constexpr const char* kMsgNoXDisplay =
    "Teclarium necessita el sistema de finestres X11 (o XWayland) i no n'hi ha cap: "
    "la variable DISPLAY no està definida.\n";

enum class TWindowSystem {
    AsAsked,  // QT_QPA_PLATFORM names one (offscreen for tests, for example): keep it
    Xcb,      // none asked and an X display is there: X11, also under Wayland
    None,     // none asked and no X display: no window can be shown
};

// From the values of QT_QPA_PLATFORM and DISPLAY (empty when unset).
TWindowSystem ChooseWindowSystem(std::string_view qpaPlatform, std::string_view display);

// Applies the choice for the process before the application object is made. With no
// X display it writes the message on stderr and returns false.
bool SelectWindowSystem();

}  // namespace teclarium
