// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "util/ui/pdf_page.h"

#include <QBuffer>
#include <QPdfWriter>

namespace teclarium {

QFont Font(qreal points, bool bold) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

TTextBox::TTextBox(const QString& text, const QFont& font, QPaintDevice* device, qreal width,
                   Qt::Alignment align)
    : FLayout(QString(text).replace(QLatin1Char('\n'), QChar::LineSeparator), font, device) {
    FLayout.setCacheEnabled(true);
    QTextOption option(align);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    FLayout.setTextOption(option);
    FLayout.beginLayout();
    for (QTextLine line = FLayout.createLine(); line.isValid(); line = FLayout.createLine()) {
        line.setLineWidth(width);
        line.setPosition({0, FHeight});
        FHeight += line.height();
    }
    FLayout.endLayout();
}

std::string Pdf(const QString& title, QPageLayout::Orientation orientation,
                const std::function<void(QPagedPaintDevice&)>& paint) {
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setTitle(title);
        writer.setResolution(300);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), orientation, QMarginsF()));
        paint(writer);
    }
    return bytes.toStdString();
}

}  // namespace teclarium
