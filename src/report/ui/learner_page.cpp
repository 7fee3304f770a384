// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// A learner's printed page, for the learner or the family: each figure of their
// row beside its column's title, and their chart on the class's scale.
#include <algorithm>

#include "report/ui/report_pages.h"
#include "report/ui/trend_sparkline.h"

namespace teclarium {
namespace {

constexpr qreal kLearnerTrendMm = 45;  // the weekly trend's width on a learner's page

}  // namespace

void AddLearnerPage(QPainter& painter, QPagedPaintDevice& device, const TLearnerPrintout& printout) {
    TPages pages(painter, device, QString::fromStdString(printout.Row[kColName].Text), printout.Range,
                 printout.Made);
    // Each figure the table shows, its column's title beside it; the weekly trend
    // drawn as in the table, its figures written under the drawing.
    const QFont bold = Font(kTextPoints + 2, true), plain = Font(kTextPoints + 2);
    const qreal labels = pages.Width() * 0.45, gap = pages.Gap();
    const qreal trendWidth = kLearnerTrendMm * pages.Device()->logicalDpiX() / 25.4;
    for (int column = kColName + 1; column < kReportColumnCount; ++column) {
        const TReportCell& cell = printout.Row[column];
        if (cell.Text.empty()) continue;
        const TTextBox label(FromUtf8(kReportHeaders[column]), bold, pages.Device(), labels - gap);
        const TTextBox value(CellText(column, cell.Text), plain, pages.Device(), pages.Width() - labels);
        label.Draw(pages.Painter(), {pages.Left(), pages.Top()});
        QPointF at(pages.Left() + labels, pages.Top());
        if (cell.Trend) {
            const QRectF drawing(at, QSizeF(trendWidth, trendWidth * kTrendAspect));
            PaintTrend(pages.Painter(), drawing, *cell.Trend);
            at.ry() += drawing.height() + gap / 2;
        }
        value.Draw(pages.Painter(), at);
        pages.Advance(std::max(label.Height(), at.y() - pages.Top() + value.Height()) + gap / 2);
    }
    if (printout.Days.empty()) return;
    pages.Advance(gap);
    ChartsHeading(pages, kLearnerChartTitle, printout.MedianSpeed,
                  AnyAbove(printout.Days, printout.ScaleTop));
    const qreal height = std::min(pages.Width() * kChartAspect, pages.Room());
    DrawChart(pages.Painter(), QRectF(pages.Left(), pages.Top(), pages.Width(), height), printout.Days,
              printout.ScaleTop, printout.MedianSpeed);
}

std::string LearnerPdf(const TLearnerPrintout& printout) {
    return Pdf(QString::fromStdString(printout.Row[kColName].Text), QPageLayout::Portrait,
               [&](QPagedPaintDevice& device) {
                   QPainter painter(&device);
                   AddLearnerPage(painter, device, printout);
               });
}

}  // namespace teclarium
