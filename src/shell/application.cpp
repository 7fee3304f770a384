// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "shell/application.h"

#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <QResource>
#include <QThread>

#include "shell/window_texts.h"
#include "util/ui/qt_translation.h"
#include "util/ui/reporting_failures.h"

namespace teclarium {

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QString::fromUtf8(kTitle));
    setApplicationDisplayName(QString::fromUtf8(kTitle));
    InstallQtCatalan();
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
    // The menu bar's own extension button reads its icon through the image reader,
    // which loads every image plug-in to see whether one reads the file: done here on
    // a thread of its own while the window is built. (The session bus is not: where
    // none runs, connecting forks a launcher, and a fork from this thread while the
    // main one builds the window could leave a child stuck before its exec, holding
    // the single-instance lock.)
    if (platformName() == QLatin1String("xcb")) {
        FWarmUp.reset(QThread::create([] { QImageReader::supportedImageFormats(); }));
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
