// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "course/ui/certificate_document.h"

#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <cmath>

#include "course/course.h"
#include "course/course_texts.h"
#include "util/codec.h"
#include "util/files.h"
#include "util/ui/file_dialog.h"
#include "util/ui/pdf_page.h"

namespace teclarium {
namespace {

constexpr qreal kMarginMm = 25;

void PaintCertificate(QPagedPaintDevice& device, const TCertificate& certificate) {
    QPainter painter(&device);
    const qreal mm = device.logicalDpiX() / 25.4;
    const QRectF page = QRectF(0, 0, device.width(), device.height())
                            .adjusted(kMarginMm * mm, kMarginMm * mm, -kMarginMm * mm, -kMarginMm * mm);
    painter.setPen(QPen(QColor(0x20, 0x60, 0xB0), mm));
    painter.drawRect(page.adjusted(-8 * mm, -8 * mm, 8 * mm, 8 * mm));
    painter.setPen(Qt::black);
    qreal top = page.top() + 20 * mm;
    // Each text centred across the page, under the one before.
    const auto line = [&](const QString& text, qreal points, bool bold, qreal after) {
        const TTextBox box(text, Font(points, bold), &device, page.width(), Qt::AlignHCenter);
        box.Draw(painter, {page.left(), top});
        top += box.Height() + after * mm;
    };
    const QLocale catalan(QLocale::Catalan);
    line(FromUtf8(kCertificateTitle), 24, true, 25);
    line(QString::fromStdString(certificate.Name), 28, true, 8);
    line(FromUtf8(kCertificateFinished), 14, false, 20);
    line(FromUtf8(kCertificateSpeed)
             .arg(catalan.toString(std::round(certificate.KeysPerMinute), 'f', 0),
                  catalan.toString(certificate.WordsPerMinute, 'f', 1)),
         14, false, 4);
    line(FromUtf8(kCertificateAccuracy).arg(catalan.toString(certificate.Accuracy, 'f', 1)), 14, false, 12);
    line(FromUtf8(kCertificateKeys).arg(certificate.Keys.size()), 14, true, 3);
    line(CharsText(certificate.Keys), 16, false, 20);
    line(FromUtf8(kCertificateDay).arg(QString::fromStdString(certificate.Day)), 12, false, 10);
    line(FromUtf8(kCertificateNote), 9, false, 0);
}

}  // namespace

std::string CertificateDay(const QDate& date) {
    return QLocale(QLocale::Catalan).toString(date, QStringLiteral("d MMMM 'de' yyyy")).toStdString();
}

std::string CertificatePdf(const TCertificate& certificate) {
    return Pdf(FromUtf8(kCertificateTitle), QPageLayout::Portrait,
               [&](QPagedPaintDevice& device) { PaintCertificate(device, certificate); });
}

void SaveCertificate(QWidget* parent, const TCertificate& certificate, QString& folder) {
    const std::string path = AskSaveFileName(parent, FromUtf8(kCertificateDialogTitle),
                                             {FromUtf8(kPdfFilter)}, QStringLiteral("pdf"), folder);
    if (!path.empty()) WriteWholeFile(path, CertificatePdf(certificate));
}

}  // namespace teclarium
