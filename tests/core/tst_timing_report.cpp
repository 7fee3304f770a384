// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// Timing with a set clock, the report's figures and texts, and durations.
#include <QTest>

#include "drill/report.h"
#include "drill_fixture.h"

using namespace teclarium;
using namespace teclarium::test;

namespace {
double Seconds(double s) {
    return s * kSecond;
}
QString U(const std::string& s) {
    return QString::fromUtf8(s);
}
}  // namespace

class TestTimingReport : public QObject {
    Q_OBJECT

  private slots:
    void formatDuration_data() {
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("7 s") << 7.0 << "7 seg";
        QTest::newRow("45 s") << 45.0 << "45 seg";
        QTest::newRow("59.4 s") << 59.4 << "59 seg";
        QTest::newRow("one minute") << 60.0 << "1min 00seg";
        QTest::newRow("75 s") << 75.0 << "1min 15seg";
        QTest::newRow("59 min 59 s") << 3599.0 << "59min 59seg";
        QTest::newRow("hours kept") << 3725.0 << "1h 02min 05seg";
        QTest::newRow("ten hours") << 36000.0 << "10h 00min 00seg";
        QTest::newRow("negative is zero") << -3.0 << "0 seg";
    }
    void formatDuration() {
        QFETCH(double, seconds);
        QTEST(U(FormatDuration(Seconds(seconds))), "text");
    }

    void oneDecimal_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("text");
        QTest::newRow("catalan comma") << 11.857 << ","
                                       << "11,9";
        QTest::newRow("point") << 5.0 << "."
                               << "5.0";
        QTest::newRow("zero") << 0.0 << ","
                              << "0,0";
        QTest::newRow("large") << 1234.56 << ","
                               << "1234,6";
    }
    void oneDecimal() {
        QFETCH(double, value);
        QFETCH(QString, separator);
        QTEST(U(FormatOneDecimal(value, separator.at(0).toLatin1())), "text");
    }

    void report_data() {
        QTest::addColumn<double>("seconds");
        QTest::addColumn<int>("words");
        QTest::addColumn<int>("keys");
        QTest::addColumn<int>("omitted");
        QTest::addColumn<double>("discount");
        QTest::addColumn<QString>("text");
        QTest::newRow("five words") << 25.3 << 5 << 27 << 0 << 0.0
                                    << "Ja està:\r\nheu trigat 25 seg\r\n5,0 segons/paraula\r\n"
                                       "11,9 paraules/minut\r\n64 tecles/minut";
        QTest::newRow("omitted and discounted")
            << 25.3 << 5 << 27 << 2 << 65.0
            << "Ja està:\r\nheu trigat 25 seg\r\n5,0 segons/paraula\r\n11,9 paraules/minut\r\n"
               "64 tecles/minut\r\n2 paraules omeses!!\r\n"
               "(descomptats 1min 05seg que no estàveu per l'exercici)";
        QTest::newRow("seconds per word cut, not rounded")
            << 9.9 << 2 << 4 << 0 << 0.0
            << "Ja està:\r\nheu trigat 9 seg\r\n4,9 segons/paraula\r\n12,1 paraules/minut\r\n24 tecles/minut";
        QTest::newRow("tenths tie to even") << 10.25 << 1 << 1 << 0 << 0.0
                                            << "Ja està:\r\nheu trigat 10 seg\r\n10,2 segons/paraula\r\n"
                                               "5,9 paraules/minut\r\n6 tecles/minut";
        QTest::newRow("keys per minute tie to even")
            << 24.0 << 1 << 5 << 0 << 0.0
            << "Ja està:\r\nheu trigat 24 seg\r\n24,0 segons/paraula\r\n2,5 paraules/minut\r\n12 "
               "tecles/minut";
        QTest::newRow("no time: rates of zero")
            << 0.01 << 1 << 1 << 0 << 0.0
            << "Ja està:\r\nheu trigat 0 seg\r\n0,0 segons/paraula\r\n0,0 paraules/minut\r\n0 tecles/minut";
        QTest::newRow("two hours: true figures")
            << 7200.0 << 1200 << 6000 << 0 << 0.0
            << "Ja està:\r\nheu trigat 2h 00min 00seg\r\n6,0 segons/paraula\r\n10,0 paraules/minut\r\n"
               "50 tecles/minut";
    }
    void report() {
        QFETCH(double, seconds);
        QFETCH(int, words);
        QFETCH(int, keys);
        QFETCH(int, omitted);
        QFETCH(double, discount);
        TDrillFigures f;
        f.Elapsed = Seconds(seconds);
        f.Words = std::uint16_t(words);
        f.CorrectKeys = std::uint16_t(keys);
        f.OmittedWords = std::uint16_t(omitted);
        f.PauseDiscount = Seconds(discount);
        QTEST(U(DrillReport(f, ',')), "text");
    }

    // Key-to-key gaps (seconds) before each key of "abcde": the discount.
    void reportFontSize_data() {
        QTest::addColumn<int>("window");
        QTest::addColumn<int>("keyboard");
        QTest::addColumn<int>("typing");
        QTest::addColumn<int>("size");
        QTest::newRow("typing font largest") << 9 << 13 << 16 << 11;
        QTest::newRow("keyboard font largest, tie down to even") << 9 << 15 << 14 << 10;
        QTest::newRow("keyboard font largest, tie up to even") << 9 << 25 << 14 << 18;
    }
    void reportFontSize() {
        QFETCH(int, window);
        QFETCH(int, keyboard);
        QFETCH(int, typing);
        QTEST(ReportFontSize(window, keyboard, typing), "size");
    }

    void pauses_data() {
        QTest::addColumn<QList<double>>("gaps");
        QTest::addColumn<double>("discount");
        QTest::newRow("no long pause") << QList<double>{1, 2, 5, 1, 1} << 0.0;
        QTest::newRow("5.1 s discounts 0.1 s") << QList<double>{1, 5.1, 1, 1, 1} << 0.1;
        QTest::newRow("12 s discounts 7 s") << QList<double>{12, 1, 1, 1, 1} << 7.0;
        QTest::newRow("several") << QList<double>{6, 1, 70, 1, 5} << 66.0;
    }
    void pauses() {
        QFETCH(QList<double>, gaps);
        QFETCH(double, discount);
        TDrillFixture f;
        f.Start({"abcde"});
        for (int i = 0; i < gaps.size(); ++i) {
            f.Clock.Advance(gaps[i]);
            f.Key(static_cast<unsigned char>('a' + i));
        }
        QVERIFY(qAbs(f.Drill.PauseDiscount() - Seconds(discount)) < Seconds(0.001));
        f.Type(" ");
        QCOMPARE(f.Host.Reports.size(), std::size_t(1));
        double total = 0;
        for (double g : gaps) total += g;
        const std::string expected = "heu trigat " + FormatDuration(Seconds(total - discount));
        QVERIFY2(f.Host.Reports[0].find(expected) != std::string::npos, f.Host.Reports[0].c_str());
    }

    void exampleFromTheFirstKeyToEscape() {
        TDrillFixture f;
        f.Drill.SetDecimalSeparator(',');
        f.Start({"abcdefg", "ghijk", "lmnop", "qrstu", "vwxyz", "end"});
        // 27 correct keys over five words, 32 keystrokes with spaces, 25.3 s in all.
        for (char c : std::string("abcdefg ghijk lmnop qrstu vwxyz ")) {
            f.Clock.Advance(25.3 / 32);
            f.Key(static_cast<unsigned char>(c));
        }
        f.Type("\x1b");  // ends on the sixth word, not typed: five words count
        QCOMPARE(f.Host.Reports.size(), std::size_t(1));
        QCOMPARE(U(f.Host.Reports[0]), U("Ja està:\r\nheu trigat 25 seg\r\n5,0 segons/paraula\r\n"
                                         "11,9 paraules/minut\r\n64 tecles/minut"));
    }

    void inactiveTimeIsLeftOut() {
        TDrillFixture f;
        f.Start({"ab"});
        f.Clock.Advance(2);
        f.Key('a');
        f.Drill.AppliOnDeactivate();
        f.Clock.Advance(120);
        f.Drill.AppliOnActivate();
        f.Clock.Advance(2);
        f.Key('b');
        f.Type(" ");
        QCOMPARE(f.Drill.PauseDiscount(), 0.0);
        QCOMPARE(f.Host.Reports.size(), std::size_t(1));
        QVERIFY2(f.Host.Reports[0].find("heu trigat 4 seg") != std::string::npos, f.Host.Reports[0].c_str());
        QVERIFY(f.Host.Reports[0].find("descomptats") == std::string::npos);
    }

    void activationOutsideDrillChangesNothing() {
        TDrillFixture f;
        f.Drill.AppliOnDeactivate();
        f.Clock.Advance(50);
        f.Drill.AppliOnActivate();
        QCOMPARE(f.Drill.StartTime(), 0.0);
    }

    void practiceSummary() {
        TDrillFixture f;
        QVERIFY(f.Drill.PracticeSummary().empty());
        f.Start({"ab"});
        f.Clock.Advance(20);  // 15 s of it are a pause
        f.Type("ab ");
        f.Start({"cd"});
        f.Clock.Advance(3);
        f.Type("c\x1b");  // silent, but its time counts
        QCOMPARE(f.Host.Reports.size(), std::size_t(1));
        QCOMPARE(U(f.Drill.PracticeSummary()), U("Heu estat exercitant-vos durant: 8 seg"));
    }
};

QTEST_APPLESS_MAIN(TestTimingReport)
#include "tst_timing_report.moc"
