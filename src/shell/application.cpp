#include "shell/application.h"

#include <QDBusConnection>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QResource>
#include <QThread>

#include "shell/window_texts.h"
#include "util/ui/message_boxes.h"

namespace teclarium {

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QString::fromUtf8(kTitle));
    setApplicationDisplayName(QString::fromUtf8(kTitle));
    // The windows' icon at three sizes, built in as raw pixels stored uncompressed: the
    // images read them where they lie, with nothing to decode.
    QIcon icon;
    for (const int size : {32, 64, 128}) {
        const QResource pixels(QStringLiteral(":/teclarium-%1.rgba").arg(size));
        if (pixels.compressionAlgorithm() != QResource::NoCompression ||
            pixels.size() != qint64(size) * size * 4)
            continue;
        icon.addPixmap(QPixmap::fromImage(QImage(pixels.data(), size, size, QImage::Format_RGBA8888)));
    }
    setWindowIcon(icon);
    // On X11, Qt's accessibility bridge connects to the session bus when the window's
    // first widgets are made, and the window waits for it (where no session bus runs,
    // for a failed attempt to launch one). Made now on a thread of its own, the
    // connection is ready, or known to be missing, by then.
    if (platformName() == QLatin1String("xcb")) {
        FSessionBus.reset(QThread::create([] { QDBusConnection::sessionBus(); }));
        FSessionBus->start();
    }
}

TApplication::~TApplication() {
    if (FSessionBus) FSessionBus->wait();
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    bool result = true;
    ReportingFailures([&] { result = QApplication::notify(receiver, event); });
    return result;
}

}  // namespace teclarium
