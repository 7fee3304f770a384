#include "util/ui/placement.h"

#include <QScreen>
#include <QWidget>

namespace teclarium {

void CentreOnScreen(QWidget& window) {
    if (const QScreen* screen = window.screen()) {
        QRect frame = window.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
}

}  // namespace teclarium
