#include "report/ui/report_document.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QTextCursor>
#include <QTextTable>

#include "report/report_texts.h"
#include "report/ui/speed_chart_object.h"
#include "util/codec.h"

namespace teclarium {
namespace {

constexpr qreal kTextPoints = 8;
constexpr qreal kTitlePoints = 16;
constexpr qreal kHeadingPoints = 11;
constexpr int kChartColumns = 3;

QTextCharFormat Bold(qreal points = 0) {
    QTextCharFormat format;
    format.setFontWeight(QFont::Bold);
    if (points > 0) format.setFontPointSize(points);
    return format;
}

QTextTableFormat TableFormat(qreal border) {
    QTextTableFormat format;
    format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    format.setBorder(border);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setBorderBrush(Qt::gray);
    format.setBorderCollapse(true);
    format.setCellSpacing(0);
    format.setCellPadding(2);
    return format;
}

// The share of the page's width of each column, in percent.
constexpr std::array<qreal, kReportColumnCount> kColumnWidths = {10,  6, 6.5, 7.5, 7.5, 6.5, 6.5,
                                                                 6.5, 7, 7,   7,   5,   7,   10};

void AddTable(QTextCursor& cursor, const TReportPrintout& printout) {
    QTextTableFormat format = TableFormat(1);
    format.setHeaderRowCount(1);  // repeated at the top of every page
    QList<QTextLength> widths;
    for (const qreal width : kColumnWidths) widths.append(QTextLength(QTextLength::PercentageLength, width));
    format.setColumnWidthConstraints(widths);
    QTextTable* table =
        cursor.insertTable(static_cast<int>(printout.Rows.size()) + 1, kReportColumnCount, format);
    QTextBlockFormat right;
    right.setAlignment(Qt::AlignRight);
    for (int column = 0; column < kReportColumnCount; ++column)
        table->cellAt(0, column).firstCursorPosition().insertText(FromUtf8(kReportHeaders[column]), Bold());
    for (int row = 0; row < static_cast<int>(printout.Rows.size()); ++row) {
        for (int column = 0; column < kReportColumnCount; ++column) {
            QTextCursor cell = table->cellAt(row + 1, column).firstCursorPosition();
            if (!IsTextColumn(column)) cell.setBlockFormat(right);
            cell.insertText(
                QString::fromStdString(printout.Rows[static_cast<std::size_t>(row)][column].Text));
        }
    }
}

void AddCharts(QTextCursor& cursor, const std::vector<TReportChart>& charts) {
    QTextBlockFormat newPage;
    newPage.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    cursor.insertBlock(newPage);
    cursor.insertText(FromUtf8(kChartsTitle), Bold(kHeadingPoints));
    const int rows = (static_cast<int>(charts.size()) + kChartColumns - 1) / kChartColumns;
    QTextTable* grid = cursor.insertTable(rows, kChartColumns, TableFormat(0));
    for (int i = 0; i < static_cast<int>(charts.size()); ++i) {
        const TReportChart& chart = charts[static_cast<std::size_t>(i)];
        QTextCursor cell = grid->cellAt(i / kChartColumns, i % kChartColumns).firstCursorPosition();
        cell.insertText(QString::fromStdString(chart.Name), Bold());
        cell.insertBlock();
        TSpeedChartObject::Insert(cell, chart.Days);
    }
}

}  // namespace

std::unique_ptr<QTextDocument> ReportDocument(const TReportPrintout& printout) {
    auto document = std::make_unique<QTextDocument>();
    QFont font = document->defaultFont();
    font.setPointSizeF(kTextPoints);
    document->setDefaultFont(font);
    document->setMetaInformation(QTextDocument::DocumentTitle, FromUtf8(kReportTitle));
    QTextCursor cursor(document.get());
    // Laid out once, when done, not after every cell.
    cursor.beginEditBlock();
    cursor.insertText(FromUtf8(kReportTitle), Bold(kTitlePoints));
    cursor.insertBlock();
    cursor.insertText(QString::fromStdString(printout.Range) + QStringLiteral(". ") +
                          FromUtf8(kReportMade).arg(QString::fromStdString(printout.Made)),
                      QTextCharFormat());
    cursor.insertBlock();
    AddTable(cursor, printout);
    cursor.movePosition(QTextCursor::End);
    if (!printout.Charts.empty()) AddCharts(cursor, printout.Charts);
    cursor.endEditBlock();
    TSpeedChartObject::Register(*document);
    return document;
}

std::string ReportPdf(const TReportPrintout& printout) {
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setTitle(FromUtf8(kReportTitle));
        // The document keeps margins of its own.
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF()));
        ReportDocument(printout)->print(&writer);
    }
    return bytes.toStdString();
}

}  // namespace teclarium
