#include "shell/application.h"

#include <QDBusConnection>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <QResource>
#include <QThread>

#include "shell/window_texts.h"
#include "util/ui/reporting_failures.h"

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
    // Two things Qt does on X11 before the main window shows, done here on a thread of
    // their own while the window is built, so that they are ready when it needs them:
    // - its accessibility bridge connects to the session bus when the first widgets
    //   are made, and the window waits for it (where no session bus runs, for a failed
    //   attempt to launch one);
    // - the menu bar's own extension button reads its icon through the image reader,
    //   which loads every image plug-in to see whether one reads the file.
    if (platformName() == QLatin1String("xcb")) {
        FWarmUp.reset(QThread::create([] {
            QDBusConnection::sessionBus();
            QImageReader::supportedImageFormats();
        }));
        FWarmUp->start();
    }
}

TApplication::~TApplication() {
    if (FWarmUp) FWarmUp->wait();
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    bool result = true;
    ReportingFailures([&] { result = QApplication::notify(receiver, event); });
    return result;
}

}  // namespace teclarium
