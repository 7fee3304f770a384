#include "report/ui/speed_chart_object.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPainterPath>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <cmath>

#include "report/report_table.h"

namespace teclarium {
namespace {

constexpr int kChartObjectType = QTextFormat::UserObject + 1;
constexpr int kDaysProperty = QTextFormat::UserProperty + 1;  // QList<QPointF>: day, keys/min
constexpr qreal kPageShare = 0.24;  // of the page's width: three fit beside each other within margins of 2 cm
constexpr qreal kChartAspect = 0.5;  // height to width
constexpr qreal kScreenWidth = 240;  // when laid out for no page

// A round number at or above value, for the top of the scale: 1, 2 or 5 times a power of ten.
qreal NiceCeiling(qreal value) {
    const qreal power = std::pow(10.0, std::floor(std::log10(std::max<qreal>(value, 1))));
    for (const qreal step : {1.0, 2.0, 5.0, 10.0})
        if (step * power >= value) return step * power;
    return 10 * power;
}

}  // namespace

void TSpeedChartObject::Register(QTextDocument& document) {
    // The layout does not own its handlers; a copy of the document made to print it
    // uses the same handler.
    document.documentLayout()->registerHandler(kChartObjectType, new TSpeedChartObject(&document));
}

void TSpeedChartObject::Insert(QTextCursor& cursor, const std::vector<TDayProgress>& days) {
    QList<QPointF> points;
    points.reserve(static_cast<qsizetype>(days.size()));
    for (const TDayProgress& d : days) points.append({static_cast<qreal>(d.Day), d.KeysPerMinute()});
    QTextCharFormat format;
    format.setObjectType(kChartObjectType);
    format.setProperty(kDaysProperty, QVariant::fromValue(points));
    cursor.insertText(QString(QChar::ObjectReplacementCharacter), format);
}

QSizeF TSpeedChartObject::intrinsicSize(QTextDocument* document, int, const QTextFormat&) {
    // Three side by side within the page's margins; on no page, a fixed size.
    const qreal page = document->pageSize().width();
    const qreal width = page > 0 ? page * kPageShare : kScreenWidth;
    return {width, width * kChartAspect};
}

void TSpeedChartObject::drawObject(QPainter* painter, const QRectF& rect, QTextDocument* document, int,
                                   const QTextFormat& format) {
    const QList<QPointF> points = format.property(kDaysProperty).value<QList<QPointF>>();
    painter->save();
    const QFontMetricsF metrics(document->defaultFont(), painter->device());
    const qreal line = metrics.height();
    const qreal left = metrics.horizontalAdvance(QStringLiteral("0000")) + line / 2;
    const QRectF plot = rect.adjusted(left, line / 2, -line / 2, -line * 1.5);
    qreal top = 0;
    for (const QPointF& p : points) top = std::max(top, p.y());
    top = NiceCeiling(top);
    painter->setFont(document->defaultFont());
    painter->setPen(QPen(Qt::gray, 0));
    painter->drawRect(plot);
    painter->setPen(QPen(Qt::black, 0));
    // The scale: 0 and its top, on the left; the first and the last day, below.
    const QRectF labels(rect.left(), plot.top() - line / 2, left - line / 4, plot.height() + line);
    painter->drawText(labels, Qt::AlignRight | Qt::AlignTop, QString::number(top));
    painter->drawText(labels, Qt::AlignRight | Qt::AlignBottom, QStringLiteral("0"));
    if (!points.isEmpty()) {
        const qreal first = points.front().x(), last = points.back().x();
        const QRectF dates(plot.left(), plot.bottom(), plot.width(), line * 1.5);
        painter->drawText(dates, Qt::AlignLeft | Qt::AlignVCenter,
                          QString::fromStdString(DayText(qint64(first))));
        if (last > first)
            painter->drawText(dates, Qt::AlignRight | Qt::AlignVCenter,
                              QString::fromStdString(DayText(qint64(last))));
        const auto at = [&](const QPointF& p) {
            const qreal x = last > first ? (p.x() - first) / (last - first) : 0.5;
            return QPointF(plot.left() + x * plot.width(), plot.bottom() - p.y() / top * plot.height());
        };
        QPainterPath path(at(points.front()));
        for (const QPointF& p : points) path.lineTo(at(p));
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(QPen(QColor(0x20, 0x60, 0xB0), line / 8));
        painter->drawPath(path);
        // A day alone is a line of no length: a dot shows it.
        if (points.size() == 1) painter->drawEllipse(at(points.front()), line / 6, line / 6);
    }
    painter->restore();
}

}  // namespace teclarium
