// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "progress/chart/progress_chart.h"

#include <QDateTime>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QDateTimeAxis>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>
#include <algorithm>
#include <span>

namespace teclarium {
namespace {

constexpr qint64 kDayMs = 86400000;

// Noon of the local day, where its points stand on the date axis.
qint64 DayMs(std::int64_t day) {
    return QDateTime(QDate(1970, 1, 1).addDays(day), QTime(12, 0)).toMSecsSinceEpoch();
}

}  // namespace

extern "C" __attribute__((visibility("default"))) QWidget* TeclariumProgressChart(const TChartDay* days,
                                                                                  std::size_t count,
                                                                                  const TChartTexts* texts,
                                                                                  QWidget* parent) {
    auto* speed = new QLineSeries;
    speed->setName(QString::fromUtf8(texts->SpeedSeries));
    auto* errors = new QLineSeries;
    errors->setName(QString::fromUtf8(texts->ErrorSeries));
    double maxSpeed = 1, maxErrors = 1;
    QList<QPointF> speedPoints, errorPoints;
    for (const TChartDay& d : std::span(days, count)) {
        const auto x = static_cast<qreal>(DayMs(d.Day));
        speedPoints.append({x, d.KeysPerMinute});
        errorPoints.append({x, d.WrongPerHundred});
        maxSpeed = std::max(maxSpeed, d.KeysPerMinute);
        maxErrors = std::max(maxErrors, d.WrongPerHundred);
    }
    speed->replace(speedPoints);
    errors->replace(errorPoints);
    speed->setPointsVisible(count < 60);
    errors->setPointsVisible(count < 60);

    auto* chart = new QChart;
    chart->setTitle(QString::fromUtf8(texts->Title));
    chart->addSeries(speed);
    chart->addSeries(errors);
    auto* dates = new QDateTimeAxis;
    dates->setTitleText(QString::fromUtf8(texts->DateAxis));
    dates->setFormat(QStringLiteral("dd/MM/yy"));
    // A single day still gets a day's width on either side.
    if (count > 0) {
        dates->setRange(QDateTime::fromMSecsSinceEpoch(DayMs(days[0].Day) - kDayMs),
                        QDateTime::fromMSecsSinceEpoch(DayMs(days[count - 1].Day) + kDayMs));
        // Ticks a whole day apart or more, so that no date is labelled twice.
        const qint64 spanDays = (DayMs(days[count - 1].Day) - DayMs(days[0].Day)) / kDayMs + 2;
        dates->setTickCount(static_cast<int>(std::min<qint64>(5, spanDays + 1)));
    }
    chart->addAxis(dates, Qt::AlignBottom);
    auto* speedAxis = new QValueAxis;
    speedAxis->setTitleText(QString::fromUtf8(texts->SpeedSeries));
    speedAxis->setRange(0, maxSpeed * 1.1);
    speedAxis->applyNiceNumbers();
    speedAxis->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(speedAxis, Qt::AlignLeft);
    auto* errorAxis = new QValueAxis;
    errorAxis->setTitleText(QString::fromUtf8(texts->ErrorAxis));
    errorAxis->setRange(0, maxErrors * 1.1);
    errorAxis->applyNiceNumbers();
    errorAxis->setLabelFormat(QStringLiteral("%.1f"));
    chart->addAxis(errorAxis, Qt::AlignRight);
    speed->attachAxis(dates);
    speed->attachAxis(speedAxis);
    errors->attachAxis(dates);
    errors->attachAxis(errorAxis);

    auto* view = new QChartView(chart, parent);
    view->setObjectName(QStringLiteral("CV_Progress"));
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(640, 300);
    return view;
}

}  // namespace teclarium
