#include "shell/application.h"

#include <QIcon>

#include "shell/window_texts.h"
#include "util/ui/reporting_failures.h"

namespace teclarium {

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QString::fromUtf8(kTitle));
    setApplicationDisplayName(QString::fromUtf8(kTitle));
    QIcon icon;
    for (const char* size : {"32", "64", "128"}) icon.addFile(QStringLiteral(":/teclarium-%1.png").arg(size));
    setWindowIcon(icon);
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    bool result = true;
    ReportingFailures([&] { result = QApplication::notify(receiver, event); });
    return result;
}

}  // namespace teclarium
