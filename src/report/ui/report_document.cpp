// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "report/ui/report_document.h"

#include <QLayout>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <QWidget>
#include <algorithm>
#include <array>
#include <cmath>

#include "report/chart_scale.h"
#include "report/report_texts.h"
#include "report/ui/report_pages.h"
#include "report/ui/trend_sparkline.h"
#include "util/codec.h"
#include "util/ui/pdf_page.h"

namespace teclarium {
namespace {

constexpr qreal kSmallestPoints = 5;  // the table's text shrinks to this at most to fit the page
constexpr int kChartColumns = 3;
constexpr qreal kTrendMm = 12;  // the weekly trend's width in the table
const QColor kLineColour(0x20, 0x60, 0xB0);
const QColor kAboveColour(0xC0, 0x20, 0x20);  // the marks of days above the scale

// The width of the widest word of a text.
qreal WidestWord(const QString& text, const QFontMetricsF& metrics) {
    qreal widest = 0;
    static const QRegularExpression space(QStringLiteral("[ \\n]+"));
    for (const QString& word : text.split(space, Qt::SkipEmptyParts))
        widest = std::max(widest, metrics.horizontalAdvance(word));
    return widest;
}

// The columns the window hides are left out, and the class goals' when no class shown sets
// goals, as in the window.
bool LeftOut(const TReportPrintout& printout, int column) {
    if (!printout.Shown[column]) return true;
    return column == kColClassGoals &&
           std::all_of(printout.Rows.begin(), printout.Rows.end(),
                       [](const TReportRow& row) { return row[kColClassGoals].Text.empty(); });
}

// The columns' widths (0: left out): each at least its header's widest word and, for figures,
// its widest cell; the room left goes first to the weak keys, for each learner's
// to take one line, then to every other column but the notes by how much more its
// texts would take, then to the notes, and what is still left evenly. Empty when
// the columns do not fit at this size, or, oneLineWeak, the weak keys do not fit on one line.
std::vector<qreal> ColumnWidths(const TReportPrintout& printout, qreal points, qreal width, qreal padding,
                                QPaintDevice* device, bool oneLineWeak) {
    const QFontMetricsF bold(Font(points, true), device), plain(Font(points), device);
    std::vector<qreal> least(kReportColumnCount), wish(kReportColumnCount);
    int shown = 0;
    for (int column = 0; column < kReportColumnCount; ++column) {
        if (LeftOut(printout, column)) continue;
        ++shown;
        const QString header = FromUtf8(kReportHeaders[column]);
        least[column] = WidestWord(header, bold);
        wish[column] = bold.horizontalAdvance(header) / 2;  // a header may take two lines
        for (const TReportRow& row : printout.Rows) {
            // The trend is drawn, not written.
            const QString text = row[column].Trend ? QString() : CellText(column, row[column].Text);
            const qreal whole = plain.horizontalAdvance(text);
            least[column] = std::max(least[column], IsTextColumn(column) ? WidestWord(text, plain) : whole);
            wish[column] = std::max(wish[column], whole);
        }
        if (column == kColTrend)
            least[column] = std::max(least[column], kTrendMm * device->logicalDpiX() / 25.4);
        // A little over the measure: the layout of a line rounds its glyphs otherwise.
        least[column] = least[column] * 1.04 + 2 * padding;
        wish[column] = std::max(wish[column] + 2 * padding, least[column]);
    }
    qreal room = width;
    for (const qreal each : least) room -= each;
    if (room < 0 || (oneLineWeak && room < wish[kColMissed] - least[kColMissed])) return {};
    const auto turn = [](int column) { return column == kColMissed ? 0 : column == kColNotes ? 2 : 1; };
    for (const int now : {0, 1, 2}) {
        qreal more = 0;
        for (int column = 0; column < kReportColumnCount; ++column)
            if (turn(column) == now) more += wish[column] - least[column];
        if (more <= 0) continue;
        const qreal given = std::min(room, more);
        for (int column = 0; column < kReportColumnCount; ++column)
            if (turn(column) == now) least[column] += given * (wish[column] - least[column]) / more;
        room -= given;
    }
    for (qreal& each : least)
        if (each > 0) each += room / shown;
    return least;
}

// One row of the table laid out: its cells and its height.
struct TLaidRow {
    std::vector<std::unique_ptr<TTextBox>> Cells;
    qreal Height = 0;
};

TLaidRow LayRow(const std::array<QString, kReportColumnCount>& texts, const std::vector<qreal>& widths,
                const QFont& font, bool header, qreal padding, QPaintDevice* device) {
    TLaidRow row;
    for (int column = 0; column < kReportColumnCount; ++column) {
        const Qt::Alignment align = header || IsTextColumn(column) ? Qt::AlignLeft : Qt::AlignRight;
        row.Cells.push_back(std::make_unique<TTextBox>(
            texts[column], font, device, std::max<qreal>(0, widths[column] - 2 * padding), align));
        row.Height = std::max(row.Height, row.Cells.back()->Height() + 2 * padding);
    }
    return row;
}

// cells: the row's, for its trend; none for the header.
void DrawRow(TPages& pages, const TLaidRow& row, const std::vector<qreal>& widths, qreal padding, bool shaded,
             const TReportRow* cells = nullptr) {
    QPainter& painter = pages.Painter();
    qreal x = pages.Left();
    for (int column = 0; column < kReportColumnCount; ++column) {
        if (widths[column] == 0) continue;  // left out
        const QRectF cell(x, pages.Top(), widths[column], row.Height);
        if (shaded) painter.fillRect(cell, QColor(0xEE, 0xEE, 0xEE));
        painter.setPen(QPen(Qt::gray, 0));
        painter.drawRect(cell);
        painter.setPen(Qt::black);
        row.Cells[column]->Draw(painter, cell.topLeft() + QPointF(padding, padding));
        if (cells && (*cells)[column].Trend)
            PaintTrend(painter, cell.adjusted(padding, padding, -padding, -padding), *(*cells)[column].Trend);
        x += widths[column];
    }
    pages.Advance(row.Height);
}

void AddTable(TPages& pages, const TReportPrintout& printout) {
    const qreal padding = pages.Gap() / 2;
    qreal points = kTextPoints;
    std::vector<qreal> widths;
    // The largest size at which the weak keys take a line each, else at which the columns fit.
    for (const bool oneLineWeak : {true, false}) {
        for (points = kTextPoints; points >= kSmallestPoints; points -= 0.5)
            if (!(widths =
                      ColumnWidths(printout, points, pages.Width(), padding, pages.Device(), oneLineWeak))
                     .empty())
                break;
        if (!widths.empty()) break;
    }
    points = std::max(points, kSmallestPoints);
    if (widths.empty()) {
        int shown = 0;
        for (int column = 0; column < kReportColumnCount; ++column) shown += !LeftOut(printout, column);
        for (int column = 0; column < kReportColumnCount; ++column)
            widths.push_back(LeftOut(printout, column) ? 0 : pages.Width() / shown);
    }
    std::array<QString, kReportColumnCount> texts;
    for (int column = 0; column < kReportColumnCount; ++column)
        if (widths[column] > 0) texts[column] = FromUtf8(kReportHeaders[column]);
    const TLaidRow header = LayRow(texts, widths, Font(points, true), true, padding, pages.Device());
    DrawRow(pages, header, widths, padding, true);
    for (const TReportRow& cells : printout.Rows) {
        for (int column = 0; column < kReportColumnCount; ++column)
            texts[column] = cells[column].Trend ? QString() : CellText(column, cells[column].Text);
        TLaidRow row = LayRow(texts, widths, Font(points), false, padding, pages.Device());
        if (cells[kColTrend].Trend && widths[kColTrend] > 0)
            row.Height = std::max(row.Height, widths[kColTrend] * kTrendAspect);
        // A row never splits: it starts a page of its own with the header again.
        if (row.Height > pages.Room()) {
            pages.NewPage();
            DrawRow(pages, header, widths, padding, true);
        }
        DrawRow(pages, row, widths, padding, false, &cells);
    }
}

void AddCharts(TPages& pages, const TReportPrintout& printout) {
    const qreal top = ChartTop(printout.Charts);
    const bool above = std::any_of(printout.Charts.begin(), printout.Charts.end(),
                                   [top](const TReportChart& chart) { return AnyAbove(chart.Days, top); });
    const qreal gap = pages.Gap();
    const qreal width = (pages.Width() - (kChartColumns - 1) * gap) / kChartColumns;
    const QFont nameFont = Font(kTextPoints, true);
    const qreal nameHeight = QFontMetricsF(nameFont, pages.Device()).height();
    const qreal height = nameHeight + width * kChartAspect + gap;
    pages.NewPage();
    ChartsHeading(pages, kChartsTitle, printout.MedianSpeed, above);
    for (std::size_t i = 0; i < printout.Charts.size(); i += kChartColumns) {
        // A learner's name and chart stay on one page: a row that does not fit starts a new one.
        if (height > pages.Room()) {
            pages.NewPage();
            ChartsHeading(pages, kChartsTitle, printout.MedianSpeed, above);
        }
        for (std::size_t j = i; j < std::min(i + kChartColumns, printout.Charts.size()); ++j) {
            const qreal x = pages.Left() + static_cast<qreal>(j - i) * (width + gap);
            const TTextBox name(QString::fromStdString(printout.Charts[j].Name), nameFont, pages.Device(),
                                width);
            // A very long name keeps to one line: the chart's place is below it.
            pages.Painter().save();
            pages.Painter().setClipRect(QRectF(x, pages.Top(), width, nameHeight));
            name.Draw(pages.Painter(), {x, pages.Top()});
            pages.Painter().restore();
            DrawChart(pages.Painter(), QRectF(x, pages.Top() + nameHeight, width, width * kChartAspect),
                      printout.Charts[j].Days, top, printout.MedianSpeed);
        }
        pages.Advance(height);
    }
}

void AddHeatMap(TPages& pages, const QImage& image) {
    pages.NewPage();
    pages.Line(FromUtf8(kClassHeatTitle), Font(kHeadingPoints, true));
    pages.Advance(pages.Gap());
    const QSizeF size = QSizeF(image.size()).scaled(pages.Width(), pages.Room(), Qt::KeepAspectRatio);
    pages.Painter().drawImage(QRectF(QPointF(pages.Left(), pages.Top()), size), image);
}

void AddReport(QPainter& painter, QPagedPaintDevice& device, const TReportPrintout& printout) {
    TPages pages(painter, device, FromUtf8(kReportTitle), printout.Range, printout.Made);
    if (!printout.Notes.empty()) {
        pages.Line(QString::fromStdString(printout.Notes), Font(kTextPoints));
        pages.Advance(pages.Gap());
    }
    AddTable(pages, printout);
    if (!printout.Charts.empty()) AddCharts(pages, printout);
    if (!printout.HeatMap.isNull()) AddHeatMap(pages, printout.HeatMap);
}

}  // namespace

QString CellText(int column, const std::string& text) {
    QString cell = QString::fromStdString(text);
    if (column != kColMissed) return cell;
    QStringList keys = cell.split(QStringLiteral(", "));
    for (QString& key : keys) key.replace(QLatin1Char(' '), QChar::Nbsp);
    return keys.join(QStringLiteral(", "));
}

void DrawChart(QPainter& painter, const QRectF& rect, const std::vector<TDayProgress>& days, qreal top,
               std::optional<double> median) {
    painter.save();
    const QFont font = Font(kTextPoints - 1);
    const QFontMetricsF metrics(font, painter.device());
    const qreal line = metrics.height();
    const qreal left = metrics.horizontalAdvance(QStringLiteral("00000")) + line / 2;
    const QRectF plot = rect.adjusted(left, line / 2, -line / 2, -line * 1.5);
    painter.setFont(font);
    painter.setPen(QPen(Qt::gray, 0));
    painter.drawRect(plot);
    const auto y = [&](qreal speed) { return plot.bottom() - std::min(speed, top) / top * plot.height(); };
    if (median) {
        painter.setPen(QPen(Qt::darkGray, line / 12, Qt::DashLine));
        painter.drawLine(QPointF(plot.left(), y(*median)), QPointF(plot.right(), y(*median)));
    }
    painter.setPen(QPen(Qt::black, 0));
    // The scale: 0 and its top, on the left; the first and the last day, below.
    const QRectF labels(rect.left(), plot.top() - line / 2, left - line / 4, plot.height() + line);
    painter.drawText(labels, Qt::AlignRight | Qt::AlignTop,
                     QString::fromStdString(DecimalText(top, top == std::floor(top) ? 0 : 1)));
    painter.drawText(labels, Qt::AlignRight | Qt::AlignBottom, QStringLiteral("0"));
    if (!days.empty()) {
        const qreal first = static_cast<qreal>(days.front().Day), last = static_cast<qreal>(days.back().Day);
        const QRectF dates(plot.left(), plot.bottom(), plot.width(), line * 1.5);
        painter.drawText(dates, Qt::AlignLeft | Qt::AlignVCenter,
                         QString::fromStdString(DayText(days.front().Day)));
        if (last > first)
            painter.drawText(dates, Qt::AlignRight | Qt::AlignVCenter,
                             QString::fromStdString(DayText(days.back().Day)));
        const auto at = [&](const TDayProgress& d) {
            const qreal x = last > first ? (static_cast<qreal>(d.Day) - first) / (last - first) : 0.5;
            return QPointF(plot.left() + x * plot.width(), y(d.KeysPerMinute()));
        };
        QPainterPath path(at(days.front()));
        for (const TDayProgress& d : days) path.lineTo(at(d));
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(kLineColour, line / 8));
        painter.drawPath(path);
        // A day alone is a line of no length: a dot shows it.
        if (days.size() == 1) painter.drawEllipse(at(days.front()), line / 6, line / 6);
        // A day above the scale: drawn at its top, marked by a triangle just under it.
        painter.setPen(Qt::NoPen);
        painter.setBrush(kAboveColour);
        const qreal size = line * 0.6;
        for (const TDayProgress& d : days) {
            if (d.KeysPerMinute() <= top) continue;
            const QPointF peak = at(d);
            painter.drawPolygon(
                QPolygonF({peak, peak + QPointF(-size / 2, size), peak + QPointF(size / 2, size)}));
        }
    }
    painter.restore();
}

void ChartsHeading(TPages& pages, std::string_view title, std::optional<double> median, bool above) {
    QString heading = FromUtf8(title);
    if (median)
        heading +=
            QLatin1Char(' ') + FromUtf8(kChartsMedian).arg(QString::fromStdString(DecimalText(*median, 1)));
    if (above) heading += QLatin1Char(' ') + FromUtf8(kChartsAbove);
    pages.Line(heading, Font(kHeadingPoints, true));
    pages.Advance(pages.Gap());
}

bool AnyAbove(const std::vector<TDayProgress>& days, double top) {
    return std::any_of(days.begin(), days.end(),
                       [top](const TDayProgress& d) { return d.KeysPerMinute() > top; });
}

QImage HeatMapImage(const QWidget& heat) {
    constexpr qreal kSharpness = 4;  // pixels of the image per pixel of the screen
    QWidget& widget = const_cast<QWidget&>(heat);
    // A window not shown has not laid the map out yet.
    if (!widget.isVisible()) {
        widget.ensurePolished();
        if (widget.layout()) widget.layout()->activate();
        widget.resize(widget.sizeHint());
    }
    if (widget.size().isEmpty()) return {};
    QImage image(widget.size() * kSharpness, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.scale(kSharpness, kSharpness);
        widget.render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    }
    return image;
}

double ChartTop(const std::vector<TReportChart>& charts) {
    std::vector<double> days;
    for (const TReportChart& chart : charts)
        for (const TDayProgress& day : chart.Days) days.push_back(day.KeysPerMinute());
    return ChartScaleTop(std::move(days));
}

void PaintReport(QPagedPaintDevice& device, const TReportPrintout& printout) {
    QPainter painter(&device);
    AddReport(painter, device, printout);
}

bool PaintAllPages(QPagedPaintDevice& device, const TAllPagesPrintout& printout, std::atomic<int>& done,
                   const std::atomic<bool>& stop) {
    QPainter painter(&device);
    AddReport(painter, device, printout.Class);
    for (const TLearnerPrintout& learner : printout.Learners) {
        if (stop) return false;
        // A learner's page is upright, as when it is made alone.
        device.setPageOrientation(QPageLayout::Portrait);
        device.newPage();
        AddLearnerPage(painter, device, learner);
        ++done;
    }
    return !stop;
}

std::string ReportPdf(const TReportPrintout& printout) {
    return Pdf(FromUtf8(kReportTitle), QPageLayout::Landscape,
               [&](QPagedPaintDevice& device) { PaintReport(device, printout); });
}

std::optional<std::string> AllPagesPdf(const TAllPagesPrintout& printout, std::atomic<int>& done,
                                       const std::atomic<bool>& stop) {
    bool whole = false;
    std::string pdf = Pdf(FromUtf8(kReportTitle), QPageLayout::Landscape, [&](QPagedPaintDevice& device) {
        whole = PaintAllPages(device, printout, done, stop);
    });
    if (!whole) return std::nullopt;
    return pdf;
}

}  // namespace teclarium
