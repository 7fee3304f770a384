#include "shell/application.h"

#include <exception>

#include "shell/window_texts.h"
#include "util/ui/message_boxes.h"

namespace teclarium {

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QString::fromUtf8(kTitle));
    setApplicationDisplayName(QString::fromUtf8(kTitle));
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        GeneralErrorReport(error.what());
    }
    return true;
}

}  // namespace teclarium
