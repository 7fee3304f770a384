// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The application: catches the unexpected failures of any event and shows the
// general error report; the event ends and the program goes on.
#pragma once

#include <QApplication>
#include <memory>

namespace teclarium {

class TApplication : public QApplication {
  public:
    TApplication(int& argc, char** argv);
    ~TApplication() override;
    bool notify(QObject* receiver, QEvent* event) override;

  private:
    // Loads the image plug-ins while the main window is being built.
    std::unique_ptr<QThread> FWarmUp;
};

}  // namespace teclarium
