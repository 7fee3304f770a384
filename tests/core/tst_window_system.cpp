// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The choice of the window system from the environment.
#include <QTest>

#include "util/window_system.h"

using namespace teclarium;

class TestWindowSystem : public QObject {
    Q_OBJECT

  private slots:
    void choice_data() {
        QTest::addColumn<QString>("platform");
        QTest::addColumn<QString>("display");
        QTest::addColumn<int>("choice");
        const int asAsked = int(TWindowSystem::AsAsked), xcb = int(TWindowSystem::Xcb),
                  xwayland = int(TWindowSystem::XWayland), none = int(TWindowSystem::None);
        QTest::newRow("X display, also under Wayland") << ""
                                                       << ":0" << xcb;
        QTest::newRow("no X display") << ""
                                      << "" << none;
        QTest::newRow("offscreen asked") << "offscreen"
                                         << "" << asAsked;
        QTest::newRow("offscreen asked, X display there") << "offscreen"
                                                          << ":0" << asAsked;
        QTest::newRow("X11 asked, X display named") << "xcb"
                                                    << ":1" << xcb;
        QTest::newRow("X11 asked, no X display") << "xcb"
                                                 << "" << none;
        // The key handling needs X11: a Wayland desktop's choice goes through XWayland.
        QTest::newRow("Wayland asked, X display named") << "wayland"
                                                        << ":0" << xwayland;
        QTest::newRow("Wayland with EGL asked") << "wayland-egl"
                                                << ":0" << xwayland;
        QTest::newRow("Wayland first of a list") << "wayland;xcb"
                                                 << ":0" << xwayland;
        QTest::newRow("Wayland with arguments") << "wayland:someargument"
                                                << ":0" << xwayland;
        QTest::newRow("Wayland asked, no X display") << "wayland"
                                                     << "" << none;
        QTest::newRow("offscreen first of a list with Wayland") << "offscreen;wayland"
                                                                << ":0" << asAsked;
    }
    void choice() {
        QFETCH(QString, platform);
        QFETCH(QString, display);
        QTEST(int(ChooseWindowSystem(platform.toStdString(), display.toStdString())), "choice");
    }
};

QTEST_APPLESS_MAIN(TestWindowSystem)
#include "tst_window_system.moc"
