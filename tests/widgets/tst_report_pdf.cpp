// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The printed group report read back from its PDF (pdftotext): every page opens
// with the title and the range; each learner's name is on the page of their
// chart, whatever the class's size; all charts share one scale, the class's
// typical range, days above it marked; the table's rows are whole, none lost
// between pages, the weak keys on one line.
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "report/ui/report_document.h"

using namespace teclarium;

namespace {

constexpr std::int64_t kDay0 = 20000;  // 2024-10-04

QString Name(int learner) {
    return QStringLiteral("Alumne-%1").arg(learner, 2, 10, QLatin1Char('0'));
}

// A class of learners, learner i at up to fastest × i / count keys per minute over
// ten days, the first one's last day at spike keys per minute if given; the last
// one with a long note that takes several lines of its cell; with goals, a class's
// goals met or not.
TReportPrintout Printout(int count, double fastest, double spike = 0, bool goals = false) {
    TReportPrintout printout;
    printout.Range = "Exercicis del 04/10/2024 al 14/10/2024";
    printout.Made = "07/12/2026";
    printout.MedianSpeed = fastest / 2;
    for (int i = 1; i <= count; ++i) {
        TReportRow row;
        row[kColName].Text = Name(i).toStdString();
        row[kColDrills].Text = "10";
        row[kColMissed].Text = "ç 34 %, · 26 %, q 20 %";
        // The trend is drawn in its cell, its text not written.
        row[kColTrend].Text = "tecles/min 100 120; minuts 30 40";
        auto trend = std::make_shared<TTrend>();
        trend->Speed[4] = 100;
        trend->Speed[5] = 120;
        trend->Minutes[4] = 30;
        trend->Minutes[5] = 40;
        row[kColTrend].Trend = trend;
        if (goals) row[kColClassGoals].Text = "velocitat sí";
        if (i == count)
            row[kColNotes].Text =
                "L'arxiu /una/carpeta/molt/llarga/de/la/xarxa/de/l'escola/Alumne.hist és massa "
                "gran (257 MB): no pot passar de 256 MB";
        printout.Rows.push_back(row);
        TReportChart chart{row[kColName].Text, {}};
        for (int day = 0; day < 10; ++day) {
            TDayProgress progress;
            progress.Day = kDay0 + day;
            progress.CorrectKeys = static_cast<std::uint64_t>(fastest * i / count * (day + 1) / 10);
            if (i == 1 && day == 9 && spike > 0) progress.CorrectKeys = static_cast<std::uint64_t>(spike);
            progress.Tenths = 600;
            chart.Days.push_back(progress);
        }
        printout.Charts.push_back(chart);
    }
    return printout;
}

// The PDF's text, page by page.
QStringList PageTexts(const std::string& pdf) {
    QTemporaryDir folder;
    QFile file(folder.filePath("informe.pdf"));
    if (!file.open(QIODevice::WriteOnly)) return {};
    file.write(pdf.data(), static_cast<qint64>(pdf.size()));
    file.close();
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {file.fileName(), QStringLiteral("-")});
    if (!pdftotext.waitForFinished(60000) || pdftotext.exitCode() != 0) return {};
    QStringList pages = QString::fromUtf8(pdftotext.readAllStandardOutput()).split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) pages.removeLast();
    return pages;
}

QStringList NamesIn(const QString& page) {
    static const QRegularExpression name(QStringLiteral("Alumne-\\d\\d"));
    QStringList names;
    for (auto it = name.globalMatch(page); it.hasNext();) names << it.next().captured();
    return names;
}

}  // namespace

class TestReportPdf : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(),
                 "pdftotext (poppler-utils) is needed");
    }

    void charts_data() {
        QTest::addColumn<int>("learners");
        QTest::addColumn<double>("fastest");
        QTest::addColumn<double>("spike");
        QTest::addColumn<QString>("top");  // the scale's top, the same on every chart
        QTest::addColumn<bool>("above");   // a day above it, marked
        QTest::addColumn<bool>("goals");   // a class sets goals: their column shown
        QTest::newRow("12 learners") << 12 << 180.0 << 0.0 << "200" << false << false;
        // The best days, above the class's typical range (upper quartile 177.75,
        // interquartile range 140.5), are marked.
        QTest::newRow("27 learners") << 27 << 420.0 << 0.0 << "400" << true << true;
        QTest::newRow("40 learners") << 40 << 950.0 << 0.0 << "1000" << false << false;
        QTest::newRow("12 learners, a spike day") << 12 << 180.0 << 900.0 << "200" << true << false;
    }
    void charts() {
        QFETCH(int, learners);
        QFETCH(double, fastest);
        QFETCH(double, spike);
        QFETCH(QString, top);
        QFETCH(bool, above);
        QFETCH(bool, goals);
        const QStringList pages = PageTexts(ReportPdf(Printout(learners, fastest, spike, goals)));
        QVERIFY(pages.size() >= 2);
        QStringList tableNames, chartNames;
        for (const QString& page : pages) {
            // Every page: the title and the range.
            QVERIFY2(page.contains(QStringLiteral("Informe del grup")), qPrintable(page));
            QVERIFY2(page.contains(QStringLiteral("Exercicis del 04/10/2024 al 14/10/2024")),
                     qPrintable(page));
            const QStringList names = NamesIn(page);
            if (!page.contains(QStringLiteral("Tecles per minut de cada alumne"))) {
                tableNames << names;
                QCOMPARE(page.contains(QStringLiteral("classe")), goals);
                QVERIFY(page.contains(QString::fromUtf8("Tendència")) &&
                        !page.contains(QStringLiteral("tecles/min")));
                // Each row's weak keys on one line of their cell, while the class
                // goals' column does not take its share of the room.
                if (!goals)
                    QCOMPARE(QString(page)
                                 .replace(QChar::Nbsp, QLatin1Char(' '))
                                 .count(QString::fromUtf8("ç 34 %, · 26 %, q 20 %")),
                             names.size());
                continue;
            }
            // A chart page: as many charts, each with its scale's top, as names.
            chartNames << names;
            QCOMPARE(page.contains(QString::fromUtf8("▲: un dia per sobre de l'escala")), above);
            QStringList numbers;
            for (const QString& word :
                 page.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
                if (word.contains(QRegularExpression(QStringLiteral("^\\d+$")))) numbers << word;
            QCOMPARE(numbers.count(top), names.size());
            QCOMPARE(numbers.count(QStringLiteral("0")), names.size());
            QCOMPARE(numbers.size(), 2 * names.size());
        }
        QStringList all;
        for (int i = 1; i <= learners; ++i) all << Name(i);
        QCOMPARE(tableNames, all);
        // The charts' text comes in the reader's order, not the grid's.
        chartNames.sort();
        QCOMPARE(chartNames, all);
        // The table's last row, with its long note, is whole on one page.
        for (const QString& page : pages)
            if (NamesIn(page).contains(Name(learners)) &&
                !page.contains(QStringLiteral("Tecles per minut de cada"))) {
                QVERIFY2(page.contains(QStringLiteral("massa")) && page.contains(QStringLiteral("passar")),
                         qPrintable(page));
            }
    }
};

QTEST_MAIN(TestReportPdf)
#include "tst_report_pdf.moc"
