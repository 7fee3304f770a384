#include "util/window_system.h"

#include <QByteArray>
#include <cstdio>

namespace teclarium {

TWindowSystem ChooseWindowSystem(std::string_view qpaPlatform, std::string_view display) {
    if (!qpaPlatform.empty()) return TWindowSystem::AsAsked;
    return display.empty() ? TWindowSystem::None : TWindowSystem::Xcb;
}

bool SelectWindowSystem() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    const QByteArray display = qgetenv("DISPLAY");
    switch (ChooseWindowSystem(std::string_view(platform.constData(), std::size_t(platform.size())),
                               std::string_view(display.constData(), std::size_t(display.size())))) {
        case TWindowSystem::AsAsked:
            return true;
        case TWindowSystem::Xcb:
            qputenv("QT_QPA_PLATFORM", "xcb");
            return true;
        case TWindowSystem::None:
            std::fputs(kMsgNoXDisplay, stderr);
            return false;
    }
    return false;
}

}  // namespace teclarium
