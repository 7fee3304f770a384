// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "util/window_system.h"

#include <QByteArray>
#include <cstdio>

#include "util/messages.h"

namespace teclarium {

TWindowSystem ChooseWindowSystem(std::string_view qpaPlatform, std::string_view display) {
    if (!qpaPlatform.empty() && qpaPlatform != "xcb") return TWindowSystem::AsAsked;
    return display.empty() ? TWindowSystem::None : TWindowSystem::Xcb;
}

bool SelectWindowSystem(bool (*displayAnswers)(const char* name)) {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    const QByteArray display = qgetenv("DISPLAY");
    switch (ChooseWindowSystem(std::string_view(platform.constData(), std::size_t(platform.size())),
                               std::string_view(display.constData(), std::size_t(display.size())))) {
        case TWindowSystem::AsAsked:
            return true;
        case TWindowSystem::Xcb:
            // Qt would abort on a display that does not answer: it is tried first.
            if (!displayAnswers(display.constData())) {
                std::fputs(Format(kMsgDisplayNotAnswering, display.toStdString()).c_str(), stderr);
                return false;
            }
            qputenv("QT_QPA_PLATFORM", "xcb");
            return true;
        case TWindowSystem::None:
            std::fputs(kMsgNoXDisplay, stderr);
            return false;
    }
    return false;
}

}  // namespace teclarium
