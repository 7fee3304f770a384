// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// What the program's PDF pages are drawn with: their type, plain text laid out in
// lines of a width, and the PDF file of pages painted on A4. Painting needs no
// widget: it may run off the window's thread.
#pragma once

#include <QFont>
#include <QPageLayout>
#include <QTextLayout>
#include <functional>
#include <string>
#include <string_view>

class QPagedPaintDevice;
class QPainter;

namespace teclarium {

// The save dialog's file type for the PDF files the program writes.
inline constexpr std::string_view kPdfFilter = "Documents PDF (*.pdf)";

// The pages' type at this size.
QFont Font(qreal points, bool bold = false);

// A text laid out as plain text (no markup) in lines of a given width, broken
// between words, and inside a word only when it is wider than a whole line.
class TTextBox {
  public:
    TTextBox(const QString& text, const QFont& font, QPaintDevice* device, qreal width,
             Qt::Alignment align = Qt::AlignLeft);
    qreal Height() const { return FHeight; }
    void Draw(QPainter& painter, QPointF at) const { FLayout.draw(&painter, at); }

  private:
    QTextLayout FLayout;
    qreal FHeight = 0;
};

// A PDF of the pages that paint draws on an A4 page in this orientation, with no
// margins of the printer's (the pages keep their own).
std::string Pdf(const QString& title, QPageLayout::Orientation orientation,
                const std::function<void(QPagedPaintDevice&)>& paint);

}  // namespace teclarium
