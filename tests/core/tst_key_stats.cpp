// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// A character's recent figures when its keys were timed in no time (keys that reach
// the program in the same millisecond): they count as timed keys and take their
// place in the window, and no figure divides by their zero time.
#include <QTest>
#include <cmath>
#include <string>

#include "course/key_stats.h"

using namespace teclarium;

namespace {

// A history line of a drill of the character a: its counts and its keys' times
// (none: a line of version 1).
std::string Line(const std::string& counts, const std::string& times) {
    return "2026-12-07 10:44:14\t11.tcm\t3\t10\t0\t0\t12.5\t0.0\t4.1\t14.4\t48\t" + counts +
           (times.empty() ? "" : "\t" + times) + "\r\n";
}

}  // namespace

class TestKeyStats : public QObject {
    Q_OBJECT

  private slots:
    void zeroTimes_data() {
        QTest::addColumn<QString>("history");  // oldest drill first
        QTest::addColumn<double>("timed");
        QTest::addColumn<double>("timedMs");
        QTest::addColumn<double>("speed");  // keys in no time count as one millisecond together
        QTest::addColumn<bool>("full");
        QTest::newRow("every key in no time")
            << QString::fromStdString(Line("{a=10/0}", "{a=0:10}")) << 10.0 << 0.0 << 600000.0 << false;
        QTest::newRow("keys in no time fill the window")
            << QString::fromStdString(Line("{a=40/0}", "{a=0:40}")) << 30.0 << 0.0 << 1800000.0 << true;
        // 20 keys in no time, then 10 of 20 keys that took 6 s: 30 keys in 3 s.
        QTest::newRow("newest in no time, the older in proportion")
            << QString::fromStdString(Line("{a=20/0}", "{a=6000:20}") + Line("{a=20/0}", "{a=0:20}")) << 30.0
            << 3000.0 << 600.0 << true;
        // 20 keys in 4 s, then 10 of 20 keys in no time: 30 keys in 4 s.
        QTest::newRow("the older in no time")
            << QString::fromStdString(Line("{a=20/0}", "{a=0:20}") + Line("{a=20/0}", "{a=4000:20}")) << 30.0
            << 4000.0 << 450.0 << true;
        QTest::newRow("a version-1 line has no times")
            << QString::fromStdString(Line("{a=20/0}", "{a=0:20}") + Line("{a=20/0}", "")) << 20.0 << 0.0
            << 1200000.0 << false;
    }
    void zeroTimes() {
        QFETCH(QString, history);
        QFETCH(double, timed);
        QFETCH(double, timedMs);
        QFETCH(double, speed);
        QFETCH(bool, full);
        const TKeyStatsResult result = KeyStatsOfHistory(history.toStdString(), "a");
        QCOMPARE(result.BadLines, std::size_t(0));
        const TKeyStat& s = result.Stats['a'];
        QCOMPARE(s.Timed, timed);
        QCOMPARE(s.TimedMs, timedMs);
        QCOMPARE(s.Full(), full);
        QVERIFY(std::isfinite(s.Speed()) && std::isfinite(s.Accuracy()));
        QCOMPARE(s.Speed(), speed);
        QCOMPARE(s.Accuracy(), 100.0);
    }
};

QTEST_GUILESS_MAIN(TestKeyStats)
#include "tst_key_stats.moc"
