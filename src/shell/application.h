// The application: catches the unexpected failures of any event and shows the
// general error report; the event ends and the program goes on.
#pragma once

#include <QApplication>

#include "util/ui/reporting_failures.h"

namespace teclarium {

class TApplication : public QApplication {
  public:
    TApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace teclarium
