// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// Build tool: writes the pixels of a square PNG image as raw bytes, row by row, four
// to a pixel (red, green, blue, alpha). The program builds them in as its windows'
// icon, so that the icon costs no image decoding at start-up.
// Usage: icon_pixels IMAGE.png OUT.rgba SIZE
#include <QFile>
#include <QImage>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: icon_pixels IMAGE.png OUT.rgba SIZE\n");
        return 2;
    }
    const int size = std::atoi(argv[3]);
    const QImage image = QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_RGBA8888);
    if (image.isNull() || image.width() != size || image.height() != size) {
        std::fprintf(stderr, "%s: not a %d x %d image\n", argv[1], size, size);
        return 1;
    }
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "%s: cannot be written\n", argv[2]);
        return 1;
    }
    for (int y = 0; y < size; ++y) {
        const qint64 row = qint64(size) * 4;
        if (out.write(reinterpret_cast<const char*>(image.constScanLine(y)), row) != row) {
            std::fprintf(stderr, "%s: cannot be written\n", argv[2]);
            return 1;
        }
    }
    return 0;
}
