// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "util/window_system.h"

#include <QByteArray>
#include <cstdio>

#include "util/messages.h"

namespace teclarium {

TWindowSystem ChooseWindowSystem(std::string_view qpaPlatform, std::string_view display) {
    // Qt takes the first of a list "a;b" it can load, each name maybe with ":arguments".
    const std::string_view first = qpaPlatform.substr(0, qpaPlatform.find_first_of(";:"));
    const bool wayland = first.starts_with("wayland");
    if (!qpaPlatform.empty() && qpaPlatform != "xcb" && !wayland) return TWindowSystem::AsAsked;
    if (display.empty()) return TWindowSystem::None;
    return wayland ? TWindowSystem::XWayland : TWindowSystem::Xcb;
}

bool SelectWindowSystem(const std::function<bool(const char* name)>& displayAnswers) {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    const QByteArray display = qgetenv("DISPLAY");
    const TWindowSystem choice =
        ChooseWindowSystem(std::string_view(platform.constData(), std::size_t(platform.size())),
                           std::string_view(display.constData(), std::size_t(display.size())));
    switch (choice) {
        case TWindowSystem::AsAsked:
            return true;
        case TWindowSystem::Xcb:
        case TWindowSystem::XWayland:
            // Qt would abort on a display that does not answer: it is tried first.
            if (!displayAnswers(display.constData())) {
                std::fputs(Format(kMsgDisplayNotAnswering, display.toStdString()).c_str(), stderr);
                return false;
            }
            if (choice == TWindowSystem::XWayland)
                std::fputs(Format(kMsgWaylandThroughX11, platform.toStdString()).c_str(), stderr);
            qputenv("QT_QPA_PLATFORM", "xcb");
            return true;
        case TWindowSystem::None:
            std::fputs(kMsgNoXDisplay, stderr);
            return false;
    }
    return false;
}

}  // namespace teclarium
