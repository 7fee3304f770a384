// The application: catches the unexpected failures of any event and shows the
// general error report; the event ends and the program goes on.
#pragma once

#include <QApplication>
#include <exception>
#include <memory>

#include "util/ui/message_boxes.h"

namespace teclarium {

// Runs f; an unexpected failure ends it with the general error report. Event
// dispatch and the slots that can fail (signals must not carry exceptions) use it.
template <typename F>
void ReportingFailures(F&& f) {
    try {
        f();
    } catch (const std::exception& error) {
        GeneralErrorReport(error.what());
    }
}

class TApplication : public QApplication {
  public:
    TApplication(int& argc, char** argv);
    ~TApplication() override;
    bool notify(QObject* receiver, QEvent* event) override;

  private:
    // Connects to the session bus and loads the image plug-ins while the main window
    // is being built.
    std::unique_ptr<QThread> FWarmUp;
};

}  // namespace teclarium
