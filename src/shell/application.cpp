#include "shell/application.h"

#include <QIcon>

#include "shell/window_texts.h"
#include "util/ui/message_boxes.h"

namespace teclarium {

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QString::fromUtf8(kTitle));
    setApplicationDisplayName(QString::fromUtf8(kTitle));
    setWindowIcon(QIcon(QStringLiteral(":/teclarium.svg")));
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    bool result = true;
    ReportingFailures([&] { result = QApplication::notify(receiver, event); });
    return result;
}

}  // namespace teclarium
