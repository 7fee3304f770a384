// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// What the report's printed pages share, for the files that paint them: pages
// with a title at the top of each, the sizes of their text and drawings, and the
// parts drawn both on the class's pages and on a learner's.
#pragma once

#include <QPagedPaintDevice>
#include <QPainter>
#include <QString>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "report/report_texts.h"
#include "report/ui/report_document.h"
#include "util/codec.h"
#include "util/ui/pdf_page.h"

namespace teclarium {

inline constexpr qreal kTextPoints = 8;
inline constexpr qreal kTitlePoints = 14;
inline constexpr qreal kHeadingPoints = 11;
inline constexpr qreal kMarginMm = 10;
inline constexpr qreal kChartAspect = 0.45;  // height to width
inline constexpr qreal kTrendAspect = 0.35;  // the weekly trend's least height to its width

// Pages with the report's title and range at the top of each.
class TPages {
  public:
    // title: on every page, with the range and the day it was made below it. The
    // painter, on the device, may have painted pages before: these start on its page.
    TPages(QPainter& painter, QPagedPaintDevice& device, QString title, const std::string& range,
           const std::string& made)
        : FDevice(device),
          FTitle(std::move(title)),
          FSubtitle(QString::fromStdString(range) + QStringLiteral(". ") +
                    FromUtf8(kReportMade).arg(QString::fromStdString(made))),
          FPainter(painter) {
        const qreal mm = device.logicalDpiX() / 25.4;
        FPage = QRectF(0, 0, device.width(), device.height())
                    .adjusted(kMarginMm * mm, kMarginMm * mm, -kMarginMm * mm, -kMarginMm * mm);
        FGap = 2 * mm;
        Header();
    }

    QPainter& Painter() { return FPainter; }
    QPaintDevice* Device() { return &FDevice; }
    qreal Width() const { return FPage.width(); }
    qreal Left() const { return FPage.left(); }
    qreal Top() const { return FTop; }
    qreal Gap() const { return FGap; }
    // The height left on the page.
    qreal Room() const { return FPage.bottom() - FTop; }
    void Advance(qreal height) { FTop += height; }

    void NewPage() {
        FDevice.newPage();
        Header();
    }
    // A line of text across the page.
    void Line(const QString& text, const QFont& font) {
        const TTextBox box(text, font, &FDevice, Width());
        box.Draw(FPainter, {Left(), FTop});
        FTop += box.Height();
    }

  private:
    void Header() {
        FTop = FPage.top();
        Line(FTitle, Font(kTitlePoints, true));
        Line(FSubtitle, Font(kTextPoints));
        FTop += FGap;
    }

    QPagedPaintDevice& FDevice;
    QString FTitle;
    QString FSubtitle;
    QPainter& FPainter;
    QRectF FPage;
    qreal FTop = 0;
    qreal FGap = 0;
};

// A cell's text as printed: a weak key and its rate ("ç 34 %") never broken.
QString CellText(int column, const std::string& text);

// A learner's speed by day on the scale up to top, the class's median dashed across.
void DrawChart(QPainter& painter, const QRectF& rect, const std::vector<TDayProgress>& days, qreal top,
               std::optional<double> median);
// A chart's heading: its title, what the dashed line is and, when some day is
// above the scale, what marks it.
void ChartsHeading(TPages& pages, std::string_view title, std::optional<double> median, bool above);
bool AnyAbove(const std::vector<TDayProgress>& days, double top);

// A learner's page, from the painter's page on.
void AddLearnerPage(QPainter& painter, QPagedPaintDevice& device, const TLearnerPrintout& printout);

}  // namespace teclarium
