// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The group report's figures: the first and the last week of practice and the
// change between them, the date range, the most missed characters; which files of
// a folder are histories, each file once, learners of the same name told apart by
// their folder, unreadable histories and damaged lines; the table's texts; the
// printed charts' scale.
#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <climits>
#include <fstream>
#include <map>

#include "progress/history_file.h"
#include "report/chart_scale.h"
#include "report/group_report.h"
#include "report/learner_figures.h"
#include "report/report_columns.h"
#include "report/report_table.h"
#include "report/summary_store.h"
#include "util/files.h"

using namespace teclarium;

namespace {

constexpr std::int64_t kDay0 = 20000;  // 2024-10-04
constexpr int kNone = INT_MIN;         // no limit in a range column
constexpr std::int64_t kToday = kDay0 + 10;

// A drill on day kDay0 + day at 10:00.
TDrillRecord Drill(std::int64_t day, std::uint32_t correct, std::uint32_t wrong, std::uint32_t tenths) {
    TDrillRecord r;
    r.When = (kDay0 + day) * 86400 + 36000;
    r.Source = "11.tcm";
    r.Words = 10;
    r.CorrectKeys = correct;
    r.WrongKeys = wrong;
    r.CountedTenths = tenths;
    r.KeysPerMinute = tenths ? correct * 600 / tenths : 0;
    return r;
}

// One drill per "day:correct/wrong/tenths" item.
std::vector<TDrillRecord> Drills(const QString& items) {
    std::vector<TDrillRecord> drills;
    static const QRegularExpression separators(QStringLiteral("[:/]"));
    for (const QString& item : items.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList parts = item.split(separators);
        drills.push_back(
            Drill(parts[0].toLongLong(), parts[1].toUInt(), parts[2].toUInt(), parts[3].toUInt()));
    }
    return drills;
}

TDayRange Range(int from, int to) {
    const auto day = [](int d) { return d == kNone ? std::nullopt : std::optional<std::int64_t>(kDay0 + d); };
    return {day(from), day(to)};
}

std::string HistoryBytes(const std::vector<TDrillRecord>& drills) {
    std::string bytes = std::string(kHistoryHeader) + "\r\n";
    for (const TDrillRecord& d : drills) bytes += FormatRecord(d) + "\r\n";
    return bytes;
}

std::string Native(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

void WriteFile(const QString& path, const std::string& bytes) {
    std::ofstream(Native(path), std::ios::binary) << bytes;
}

// Every entry of a folder with its size and contents, to see that nothing changed.
QStringList Snapshot(const QString& folder) {
    QStringList entries;
    for (const QFileInfo& info :
         QDir(folder).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System, QDir::Name)) {
        QString entry = info.fileName() + QLatin1Char(' ') + QString::number(info.size());
        QFile file(info.filePath());
        if (info.isFile() && file.open(QIODevice::ReadOnly))
            entry += QLatin1Char(' ') + QString::fromLatin1(file.readAll().toHex());
        entries << entry;
    }
    return entries;
}

QStringList Names(const TGroupReport& report) {
    QStringList names;
    for (std::size_t i = 0; i < report.Learners().size(); ++i)
        names << QString::fromStdString(report.ShownName(i));
    return names;
}

}  // namespace

class TestGroupReport : public QObject {
    Q_OBJECT

  private slots:
    void figures_data() {
        QTest::addColumn<QString>("drills");  // day:correct/wrong/tenths ...
        QTest::addColumn<int>("from");        // kNone: no limit
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("firstDay");
        QTest::addColumn<int>("lastDay");
        QTest::addColumn<double>("firstSpeed");
        QTest::addColumn<double>("lastSpeed");
        QTest::addColumn<double>("firstErrors");
        QTest::addColumn<double>("lastErrors");
        QTest::addColumn<bool>("change");
        QTest::addColumn<int>("tenths");  // the counted time added up
        QTest::addColumn<int>("days");    // days with drills
        // 300 keys right, 4 wrong, in 120 s: 150 keys/min, 4 of 304 wrong.
        QTest::newRow("one day: both weeks are the same drills, no change")
            << "0:100/4/600 0:200/0/600" << kNone << kNone << 2 << 0 << 0 << 150.0 << 150.0 << 400 / 304.0
            << 400 / 304.0 << false << 1200 << 1;
        QTest::newRow("six days apart: still one week")
            << "0:100/0/600 6:300/0/600" << kNone << kNone << 2 << 0 << 6 << 200.0 << 200.0 << 0.0 << 0.0
            << false << 1200 << 2;
        QTest::newRow("seven days apart: the last week leaves the first day out")
            << "0:100/0/600 7:300/0/600" << kNone << kNone << 2 << 0 << 7 << 100.0 << 300.0 << 0.0 << 0.0
            << true << 1200 << 2;
        QTest::newRow("calendar days: days 0 to 6 and 14 to 20")
            << "0:100/0/600 3:200/0/600 7:999/0/600 13:999/0/600 14:300/50/600 20:100/50/600" << kNone
            << kNone << 6 << 0 << 20 << 150.0 << 200.0 << 0.0 << 20.0 << true << 3600 << 6;
        QTest::newRow("the counted time weighs the speed")
            << "0:100/0/600 1:100/0/1800" << kNone << kNone << 2 << 0 << 1 << 50.0 << 50.0 << 0.0 << 0.0
            << false << 2400 << 2;
        QTest::newRow("drills out of date order")
            << "14:300/0/600 0:100/0/600 10:200/0/600" << kNone << kNone << 3 << 0 << 14 << 100.0 << 250.0
            << 0.0 << 0.0 << true << 1800 << 3;
        QTest::newRow("the range: its first drill starts the first week")
            << "0:100/0/600 5:200/0/600 9:300/0/600 30:400/0/600" << 3 << 29 << 2 << 5 << 9 << 250.0 << 250.0
            << 0.0 << 0.0 << false << 1200 << 2;
        QTest::newRow("the range's ends are in it")
            << "2:100/0/600 4:300/0/600 12:500/0/600" << 2 << 12 << 3 << 2 << 12 << 200.0 << 500.0 << 0.0
            << 0.0 << true << 1800 << 3;
        QTest::newRow("only a start") << "0:100/0/600 10:300/0/600" << 1 << kNone << 1 << 10 << 10 << 300.0
                                      << 300.0 << 0.0 << 0.0 << false << 600 << 1;
        QTest::newRow("only an end") << "0:100/0/600 10:300/0/600" << kNone << 9 << 1 << 0 << 0 << 100.0
                                     << 100.0 << 0.0 << 0.0 << false << 600 << 1;
        QTest::newRow("no drill in the range")
            << "0:100/0/600" << 1 << 5 << 0 << 0 << 0 << 0.0 << 0.0 << 0.0 << 0.0 << false << 0 << 0;
        QTest::newRow("no drills") << "" << kNone << kNone << 0 << 0 << 0 << 0.0 << 0.0 << 0.0 << 0.0 << false
                                   << 0 << 0;
    }
    void figures() {
        QFETCH(QString, drills);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, count);
        const std::vector<TDrillRecord> records = Drills(drills);
        const TDayRange range = Range(from, to);
        const TLearnerSummary summary = Summarise(records);
        const TLearnerFigures f = LearnerFigures(summary, range, kToday);
        QCOMPARE(int(f.Drills), count);
        QTEST(f.HasChange(), "change");
        QTEST(int(f.Tenths), "tenths");
        QTEST(int(f.Days), "days");
        QTEST(int(RangeDays(summary, range).size()), "days");
        if (count == 0) return;
        QTEST(int(f.FirstDay - kDay0), "firstDay");
        QTEST(int(f.LastDay - kDay0), "lastDay");
        QFETCH(double, firstSpeed);
        QFETCH(double, lastSpeed);
        QFETCH(double, firstErrors);
        QFETCH(double, lastErrors);
        QCOMPARE(f.FirstWeek.KeysPerMinute(), firstSpeed);
        QCOMPARE(f.LastWeek.KeysPerMinute(), lastSpeed);
        QCOMPARE(f.FirstWeek.WrongPerHundred(), firstErrors);
        QCOMPARE(f.LastWeek.WrongPerHundred(), lastErrors);
        QCOMPARE(f.SpeedChange(), lastSpeed - firstSpeed);
        QCOMPARE(f.ErrorChange(), lastErrors - firstErrors);
    }

    // The weak keys: the highest rate of wrong keys first, over the range, only for
    // characters tried at least 20 times; the commonest letters, missed most often,
    // need not be the weakest.
    void weakKeys_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("expected");
        // Over every drill: ç 10 wrong of 34 (29 %), q 6 of 30 (20 %), e 30 of 300 and
        // a 20 of 200 (10 % each: e has more wrong keys), · 3 of 40 (7.5 %), n 1 of 50
        // (the sixth); z 9 of 19 is tried too few times. By count e and a come first.
        QTest::newRow("every drill") << kNone
                                     << QString::fromUtf8("ç 29 %, q 20 %, e 10 %, a 10 %, punt volat 8 %");
        // From day 1: ç is 4 of 24 (17 %), q 1 of 10 (too few now), the rest on day 0 only.
        QTest::newRow("the range counts its own tries") << 1 << QString::fromUtf8("ç 17 %, n 2 %");
        QTest::newRow("a range without drills") << 5 << QString();
    }
    void weakKeys() {
        std::vector<TDrillRecord> drills = {Drill(0, 10, 9, 600), Drill(1, 10, 0, 600), Drill(2, 10, 0, 600)};
        drills[0].Chars = {{'a', 180, 20}, {'e', 270, 30}, {'q', 15, 5},
                           {'z', 10, 9},   {0xB7, 37, 3},  {0xE7, 4, 6}};
        drills[1].Chars = {{0xE7, 12, 2}, {'q', 9, 1}, {'n', 24, 1}};
        drills[2].Chars = {{0xE7, 8, 2}, {'n', 25, 0}};
        QFETCH(int, from);
        QTEST(QString::fromStdString(
                  WeakKeysText(LearnerFigures(Summarise(drills), Range(from, kNone), kToday).Weak)),
              "expected");
    }

    void median_data() {
        QTest::addColumn<QList<double>>("values");
        QTest::addColumn<double>("expected");  // -1: none
        QTest::newRow("none") << QList<double>{} << -1.0;
        QTest::newRow("one") << QList<double>{42} << 42.0;
        QTest::newRow("odd count, unsorted") << QList<double>{90, 10, 30} << 30.0;
        QTest::newRow("even count: the middle two's mean") << QList<double>{4, 100, 1, 3} << 3.5;
        QTest::newRow("an outlier moves no median") << QList<double>{100, 110, 120, 5000, 90} << 110.0;
    }
    void median() {
        QFETCH(QList<double>, values);
        const std::optional<double> median = Median(std::vector<double>(values.begin(), values.end()));
        QTEST(median.value_or(-1), "expected");
    }

    // The printed charts' scale: the class's typical range, rounded up to a nice
    // top; one day alone rounded as it is.
    void chartScale_data() {
        QTest::addColumn<QList<double>>("days");
        QTest::addColumn<double>("top");
        QTest::newRow("nothing yet") << QList<double>{} << 1.0;
        QTest::newRow("one day of nothing") << QList<double>{0} << 1.0;
        QTest::newRow("exactly a round number") << QList<double>{200} << 200.0;
        QTest::newRow("just above") << QList<double>{201} << 250.0;
        QTest::newRow("a slow day") << QList<double>{38.5} << 40.0;
        QTest::newRow("a fast one") << QList<double>{501} << 600.0;
        QTest::newRow("below ten") << QList<double>{3.2} << 4.0;
        QTest::newRow("a class in its range: its best day sets the top")
            << QList<double>{72, 40, 118, 55, 95, 60, 80} << 150.0;
        // Upper quartile 82.5, interquartile range 15: no day above 105 counts.
        QTest::newRow("a spike day does not")
            << QList<double>{60, 62, 65, 70, 500, 72, 75, 78, 80, 85, 90} << 150.0;
        QTest::newRow("nor a few") << QList<double>{60, 62, 65, 70,  500, 72, 75, 78,
                                                    80, 85, 90, 480, 61,  66, 79}
                                   << 150.0;
        QTest::newRow("a whole fast class does") << QList<double>{310, 295, 330, 290, 305, 340, 320} << 400.0;
    }
    void chartScale() {
        QFETCH(QList<double>, days);
        const double top = ChartScaleTop(std::vector<double>(days.begin(), days.end()));
        QTEST(top, "top");
        // Every day above the top is one the fence left out: drawn at the top, marked.
        QVERIFY(std::all_of(days.begin(), days.end(), [&](double day) { return day <= top || day >= 480; }));
    }

    // The settings folder's histories: the shared one and each user's, and nothing else.
    void folderHistories() {
        QTemporaryDir folder;
        for (const char* name : {"Teclarium.hist", "Anna.hist", "Bernat Puig.hist", "Teclarium.ini",
                                 "Anna.ini", "notes.txt", "a:b.hist", ".hist", "Anna.hist.bak"})
            WriteFile(folder.filePath(QString::fromUtf8(name)), HistoryBytes({}));
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Carpeta.hist")));
        QStringList found;
        for (const std::string& file : FolderHistories(Native(folder.path()), "Teclarium"))
            found << QFileInfo(QFile::decodeName(file.c_str())).fileName();
        QCOMPARE(found, QStringList({"Anna.hist", "Bernat Puig.hist", "Teclarium.hist"}));
    }

    // Each file counts once, by whatever path; the same name in two folders is told
    // apart by the folder; reading writes nothing.
    void learners() {
        QTemporaryDir settings, usb;
        const QString settingsFolder = QFileInfo(settings.path()).canonicalFilePath();
        const QString usbFolder = QFileInfo(usb.path()).canonicalFilePath();
        WriteFile(settings.filePath("Teclarium.hist"), HistoryBytes(Drills("0:100/0/600")));
        WriteFile(settings.filePath("Anna.hist"), HistoryBytes(Drills("0:100/0/600 1:100/0/600")));
        WriteFile(settings.filePath("Bernat.hist"), HistoryBytes(Drills("2:100/0/600")));
        WriteFile(usb.filePath("Anna.hist"), HistoryBytes(Drills("3:100/0/600")));
        QVERIFY(QFile::link(settings.filePath("Bernat.hist"), usb.filePath("enllaç.hist")));
        QVERIFY(::link(Native(settings.filePath("Anna.hist")).c_str(),
                       Native(usb.filePath("còpia.hist")).c_str()) == 0);
        const QStringList before = Snapshot(settings.path()) + Snapshot(usb.path());

        TGroupReport report("Teclarium");
        QCOMPARE(report.Add(FolderHistories(Native(settings.path()), "Teclarium")), std::size_t(3));
        QCOMPARE(Names(report), QStringList({"Anna", "Bernat", QString::fromUtf8("(historial comú)")}));
        QCOMPARE(report.Learners()[0].Summary.Drills, std::size_t(2));
        // Added again: the same path, another spelling of it, a symbolic and a hard link.
        QCOMPARE(
            report.Add({Native(settings.filePath("Anna.hist")),
                        Native(usb.path() + "/../" + QFileInfo(settings.path()).fileName() + "/./Anna.hist"),
                        Native(usb.filePath("enllaç.hist")), Native(usb.filePath("còpia.hist"))}),
            std::size_t(0));
        // Another Anna, from another folder, twice in one go.
        QCOMPARE(report.Add({Native(usb.filePath("Anna.hist")), Native(usb.filePath("Anna.hist"))}),
                 std::size_t(1));
        QCOMPARE(Names(report),
                 QStringList({"Anna (" + settingsFolder + ")", "Bernat",
                              QString::fromUtf8("(historial comú)"), "Anna (" + usbFolder + ")"}));
        QCOMPARE(QString::fromStdString(report.Learners()[3].Folder), usbFolder);
        QCOMPARE(report.Learners()[3].Summary.Drills, std::size_t(1));
        QCOMPARE(Snapshot(settings.path()) + Snapshot(usb.path()), before);
    }

    // A history that cannot be read says why and has no drills; damaged lines are
    // counted; a file that is no history at all is told apart from a learner.
    void unreadable_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("failure");  // empty: read
        QTest::addColumn<int>("drills");
        QTest::addColumn<int>("badLines");
        QTest::addColumn<bool>("notHistory");
        QTest::addColumn<QString>("notes");
        const QString cannotOpen = QStringLiteral("No es pot obrir el fitxer %1");
        QTest::newRow("missing") << "missing" << cannotOpen << 0 << 0 << false << cannotOpen;
        QTest::newRow("a folder") << "folder" << cannotOpen << 0 << 0 << false << cannotOpen;
        QTest::newRow("a FIFO, not waited on") << "fifo" << cannotOpen << 0 << 0 << false << cannotOpen;
        const QString large = QStringLiteral("L'arxiu %1 és massa gran (257 MB): no pot passar de 256 MB");
        QTest::newRow("too large") << "large" << large << 0 << 0 << false << large;
        QTest::newRow("damaged lines and a cut last line")
            << "damaged"
            << "" << 2 << 3 << false << QString::fromUtf8("3 línies de l'historial no s'han pogut llegir");
        QTest::newRow("one damaged line")
            << "oneBad"
            << "" << 2 << 1 << false << QString::fromUtf8("1 línia de l'historial no s'ha pogut llegir");
        const QString newer = QString::fromUtf8("L'historial '%1' és d'una versió més nova");
        QTest::newRow("a newer version") << "newer" << newer << 0 << 0 << false << newer;
        QTest::newRow("whole") << "whole"
                               << "" << 2 << 0 << false << "";
        QTest::newRow("a header only: a learner yet to practise") << "header"
                                                                  << "" << 0 << 0 << false << "";
        QTest::newRow("empty: a learner yet to practise") << "empty"
                                                          << "" << 0 << 0 << false << "";
        QTest::newRow("a PDF renamed")
            << "pdf"
            << "" << 0 << 3 << true << QString::fromUtf8("3 línies de l'historial no s'han pogut llegir");
        const QString twoBad = QString::fromUtf8("2 línies de l'historial no s'han pogut llegir");
        QTest::newRow("settings renamed") << "ini"
                                          << "" << 0 << 2 << true << twoBad;
        QTest::newRow("a header and not one drill") << "noDrill"
                                                    << "" << 0 << 2 << true << twoBad;
    }
    void unreadable() {
        QFETCH(QString, kind);
        QTemporaryDir folder;
        const QString path = folder.filePath("Carla.hist");
        const std::string good = HistoryBytes(Drills("0:100/0/600 1:100/0/600"));
        const std::map<QString, std::string> contents = {
            {"damaged", good + "malmesa\r\n2024-10-05 10:00:00\tx\t1\r\n" + FormatRecord(Drill(3, 1, 1, 1))},
            {"oneBad", good + "malmesa\r\n"},
            {"whole", good},
            {"newer", "#historial 3\r\n" + good.substr(good.find('\n') + 1)},
            {"header", HistoryBytes({})},
            {"empty", ""},
            {"pdf", "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n1 0 obj\n"},
            {"ini", "[Opcions]\r\nFont=Courier New\r\n"},
            {"noDrill", HistoryBytes({}) + "malmesa\r\n2024-10-05\r\n"},
        };
        if (kind == "folder") QVERIFY(QDir(folder.path()).mkdir("Carla.hist"));
        if (kind == "fifo") QCOMPARE(::mkfifo(Native(path).c_str(), 0600), 0);
        if (kind == "large") {
            WriteFile(path, good);
            QCOMPARE(::truncate(Native(path).c_str(), (257 << 20) - 100), 0);
        }
        if (contents.count(kind)) WriteFile(path, contents.at(kind));

        const TLearnerHistory history = *ReadLearnerHistory(Native(path), "Teclarium");
        QCOMPARE(history.Name, std::string("Carla"));
        // Told to stop, a reading stops at its first drill.
        const std::atomic<bool> stop = true;
        QCOMPARE(ReadLearnerHistory(Native(path), "Teclarium", {}, &stop).has_value(),
                 history.Summary.Drills == 0);
        QFETCH(QString, failure);
        QCOMPARE(QString::fromStdString(history.Failure), failure.isEmpty() ? QString() : failure.arg(path));
        QTEST(int(history.Summary.Drills), "drills");
        QTEST(int(history.Summary.BadLines), "badLines");
        QTEST(history.NotHistory, "notHistory");
        QFETCH(QString, notes);
        QCOMPARE(QString::fromStdString(LearnerNotes(history)),
                 notes.contains("%1") ? notes.arg(path) : notes);
    }

    // Files that are no history are listed apart and counted as no learner; the
    // summary's counts in Catalan singular and plural; only the learners shown (one
    // class of several) count.
    void summary_data() {
        QTest::addColumn<QStringList>("files");   // name:kind, kind being good, bad or none
        QTest::addColumn<QStringList>("hidden");  // the learners of the classes not shown
        QTest::addColumn<QString>("expected");    // %1: the folder
        QTest::newRow("one of each") << QStringList{"Anna:good1"} << QStringList()
                                     << QString::fromUtf8("1 alumne, 1 exercici. Tots els exercicis.");
        QTest::newRow("plurals")
            << QStringList{"Anna:good2", "Pau:good1", "Joan:bad"} << QStringList()
            << QString::fromUtf8(
                   "3 alumnes, 3 exercicis. Tots els exercicis.\n1 historial no s'ha pogut "
                   "llegir: en trobareu el motiu a «Observacions».");
        QTest::newRow("one class shown")
            << QStringList{"Anna:good2", "Pau:good1", "Joan:bad", "informe:pdf"}
            << QStringList{"Anna", "Joan"}
            << QString::fromUtf8(
                   "1 alumne, 1 exercici. Tots els exercicis.\nNo són historials: %1/informe.hist.");
        QTest::newRow("no histories among them")
            << QStringList{"Anna:good2", "informe:pdf", "Pau:bad", "Joan:bad", "Teclarium:ini"}
            << QStringList()
            << QString::fromUtf8(
                   "3 alumnes, 2 exercicis. Tots els exercicis.\n2 historials no s'han pogut llegir: en "
                   "trobareu el motiu a «Observacions».\nNo són historials: %1/informe.hist, "
                   "%1/Teclarium.hist.");
        QTest::newRow("none but no histories") << QStringList{"informe:pdf"} << QStringList()
                                               << QString::fromUtf8(
                                                      "0 alumnes, 0 exercicis. Tots els exercicis.\nNo són "
                                                      "historials: %1/informe.hist.");
    }
    void summary() {
        QFETCH(QStringList, files);
        QTemporaryDir folder;
        std::vector<std::string> paths;
        for (const QString& file : files) {
            const QString name = file.section(':', 0, 0), kind = file.section(':', 1);
            const QString path = folder.filePath(name + ".hist");
            if (kind == "good1") WriteFile(path, HistoryBytes(Drills("0:100/0/600")));
            if (kind == "good2") WriteFile(path, HistoryBytes(Drills("0:100/0/600 1:100/0/600")));
            if (kind == "pdf") WriteFile(path, "%PDF-1.4\n");
            if (kind == "ini") WriteFile(path, "[Opcions]\r\n");
            // bad: missing
            paths.push_back(Native(path));
        }
        TGroupReport report("Teclarium");
        QCOMPARE(report.Add(paths), std::size_t(files.size()));
        QFETCH(QStringList, hidden);
        std::vector<TLearnerFigures> figures;
        std::vector<bool> shown;
        for (std::size_t i = 0; i < report.Learners().size(); ++i) {
            figures.push_back(LearnerFigures(report.Learners()[i].Summary, {}, kToday));
            shown.push_back(!hidden.contains(QString::fromStdString(report.ShownName(i))));
        }
        QFETCH(QString, expected);
        QCOMPARE(QString::fromStdString(ReportSummary(report, figures, {}, shown)),
                 expected.arg(folder.path()));
    }

    // Activity: the drills and minutes of the last 7 days up to the range's end, else
    // up to today, and the days since the last drill.
    void activity_data() {
        QTest::addColumn<QString>("drills");  // day:correct/wrong/tenths ...
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("today");
        QTest::addColumn<int>("recentDrills");
        QTest::addColumn<int>("recentTenths");
        QTest::addColumn<int>("daysSince");  // -1: none
        QTest::addColumn<bool>("idle");
        const QString three = "0:100/0/600 5:100/0/700 9:100/0/800";
        QTest::newRow("up to today") << three << kNone << kNone << 10 << 2 << 1500 << 1 << false;
        QTest::newRow("up to the range's end, not today")
            << three << kNone << 5 << 100 << 2 << 1300 << 0 << false;
        QTest::newRow("the range's start cuts the week")
            << three << 6 << kNone << 10 << 1 << 800 << 1 << false;
        QTest::newRow("the 7th day back counts, the 8th does not")
            << "3:100/0/600 4:100/0/900" << kNone << kNone << 10 << 1 << 900 << 6 << false;
        QTest::newRow("stopped practising")
            << "0:100/0/600 1:100/0/600" << kNone << kNone << 20 << 0 << 0 << 19 << true;
        QTest::newRow("no drill in the range") << three << 10 << 12 << 11 << 0 << 0 << -1 << true;
        QTest::newRow("no drills") << "" << kNone << kNone << 10 << 0 << 0 << -1 << true;
        QTest::newRow("a drill dated after today: practised today")
            << "0:100/0/600 12:100/0/700" << kNone << kNone << 10 << 1 << 700 << 0 << false;
    }
    void activity() {
        QFETCH(QString, drills);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, today);
        const TLearnerFigures f = LearnerFigures(Summarise(Drills(drills)), Range(from, to), kDay0 + today);
        QTEST(int(f.RecentDrills), "recentDrills");
        QTEST(int(f.RecentTenths), "recentTenths");
        QTEST(int(f.DaysSinceLast().value_or(-1)), "daysSince");
        QTEST(f.Idle(), "idle");
    }

    // The class's row: each figure's median over the rows that have one, shown as
    // the column shows it, each week's of the weekly trend (keys a minute over the
    // learners who practised that week, minutes over all), and the class's weak keys.
    void medianRow_data() {
        QTest::addColumn<QStringList>("rows");      // drills/tenths/speed change/trend per row; "-": none
        QTest::addColumn<QStringList>("expected");  // drills, time, speed change, weak keys, trend
        QTest::newRow("odd count; an unreadable row has none")
            << QStringList{"2/600/10/-,-,-,-,100,200;0,0,0,0,1,2", "5/1200/-/-,-,-,60,-,-;0,0,0,3,0,0",
                           "10/3000/-4/-,-,-,-,120,150;0,0,0,0,2,6", "-/-/-/-"}
            << QStringList{"5", "0:02:00", "+3,0", QString::fromUtf8("ç 30 %, e 10 %"),
                           QString::fromUtf8("tecles/min – – – 60 110 175; minuts 0 0 0 0 1 2")};
        QTest::newRow("even count: the middle two's mean")
            << QStringList{"2/600/-/-", "5/1200/-/-", "10/3000/-/-", "4/1800/-/-"}
            << QStringList{"4,5", "0:02:30", "", QString::fromUtf8("ç 30 %, e 10 %"), ""};
        QTest::newRow("no learner with figures: the trend of no practice")
            << QStringList{"-/-/-/-,-,-,-,-,-;0,0,0,0,0,0"}
            << QStringList{"", "", "", QString::fromUtf8("ç 30 %, e 10 %"),
                           QString::fromUtf8("tecles/min – – – – – –; minuts 0 0 0 0 0 0")};
    }
    void medianRow() {
        QFETCH(QStringList, rows);
        std::vector<TReportRow> table;
        for (const QString& cells : rows) {
            TReportRow& row = table.emplace_back();
            const QStringList parts = cells.split('/');
            for (const auto& [column, part] : {std::pair{kColDrills, parts[0]}, std::pair{kColTime, parts[1]},
                                               std::pair{kColSpeedChange, parts[2]}})
                if (part != "-") row[column] = {"x", part.toDouble()};
            if (parts[3] == "-") continue;
            auto trend = std::make_shared<TTrend>();
            const QStringList speeds = parts[3].section(';', 0, 0).split(','),
                              minutes = parts[3].section(';', 1).split(',');
            for (std::size_t week = 0; week < kTrendWeeks; ++week) {
                const auto at = static_cast<qsizetype>(week);
                if (speeds[at] != "-") trend->Speed[week] = speeds[at].toDouble();
                trend->Minutes[week] = minutes[at].toDouble();
            }
            row[kColTrend].Trend = trend;
        }
        const TReportRow median = MedianRow(table, {{0xE7, 30}, {'e', 10}});
        QCOMPARE(QString::fromStdString(median[kColName].Text), QStringLiteral("Mediana del grup"));
        const QStringList cells = {
            QString::fromStdString(median[kColDrills].Text), QString::fromStdString(median[kColTime].Text),
            QString::fromStdString(median[kColSpeedChange].Text),
            QString::fromStdString(median[kColMissed].Text), QString::fromStdString(median[kColTrend].Text)};
        QTEST(cells, "expected");
        QCOMPARE(median[kColTrend].Trend != nullptr, !median[kColTrend].Text.empty());
        QVERIFY(median[kColNotes].Text.empty() && median[kColFirstDay].Text.empty());
    }
    // A summary kept in the store for this very version of a history is taken
    // instead of reading it; another version (even of the same size and time), a
    // damaged store, one of an older version or a summary that makes no sense is read
    // from the history again and kept anew; a store folder others may write is not used.
    void store_data() {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("fromStore");
        QTest::newRow("unchanged: from the store") << "none" << true;
        QTest::newRow("another size, the same time") << "size" << false;
        QTest::newRow("the same size, another time") << "time" << false;
        QTest::newRow("replaced: the same size and time") << "replaced" << false;
        QTest::newRow("rewritten: the same size and time") << "rewritten" << false;
        QTest::newRow("a store of no database") << "garbage" << false;
        QTest::newRow("a store cut short") << "cut" << false;
        // Kept by the release before, whose course standings judged each character whole.
        QTest::newRow("a store of the version before") << "oldVersion" << false;
        QTest::newRow("faster than any typist") << "fast" << false;
        QTest::newRow("a day thousands of years away") << "farDay" << false;
        QTest::newRow("days out of order") << "order" << false;
        QTest::newRow("no store folder") << "noFolder" << false;
        QTest::newRow("a folder others may write") << "shared" << false;
    }
    void store() {
        QFETCH(QString, change);
        QTemporaryDir folder, storeDir;
        const std::string storeFolder = Native(storeDir.path());
        const std::string file = Native(folder.filePath("Carla.hist"));
        std::vector<TDrillRecord> drills = Drills("0:100/0/600 1:100/2/600");
        drills[0].Chars = {{'a', 10, 0}, {0xFF, 300, 0}};
        drills[1].Chars = {{0x00, 1, 0}, {'a', 5, 2}};  // in byte order, as written
        drills[1].Misses = {{'a', 's', 2}};
        drills[1].When = -86400 * 3 + 100;  // before 1970: a day below zero
        const std::string bytes = HistoryBytes(drills);
        WriteFile(QString::fromStdString(file), bytes);
        const std::optional<THistoryStamp> stamp = HistoryStamp(file);
        QVERIFY(stamp);
        {
            const std::unique_ptr<TSummaryStore> store = TSummaryStore::Open(storeFolder);
            QVERIFY(store);
            const TLearnerHistory first = *ReadLearnerHistory(file, "Teclarium", store.get());
            QVERIFY(first.CharsStored);
            QCOMPARE(first.Summary.Drills, std::size_t(2));
            QCOMPARE(first.Summary.Days.front().Day, std::int64_t(-3));
            // What was kept reads back as it was, the characters from the store.
            TCharCounts all;
            QCOMPARE(store->Find(*stamp, &all), std::optional<TLearnerSummary>(first.Summary));
            const TLearnerFigures whole = LearnerFigures(Summarise(drills), {}, kToday);
            QCOMPARE(all.Right, whole.Chars.Right);
            QCOMPARE(all.Wrong, whole.Chars.Wrong);
            // A range's keys, each file's its own, in one pass.
            THistoryStamp second = *stamp;
            second.Path += ".2";
            std::vector<TDrillRecord> secondDrills(drills.begin() + 1, drills.end());
            secondDrills[0].Chars = {{'a', 7, 1}};
            QVERIFY(store->Keep(second, Summarise(secondDrills)));
            std::vector<std::pair<std::string, std::uint64_t>> inRange;
            store->RangeChars(TDayRange{-100, -1}, [&](const std::string& path, const TCharCounts& chars) {
                inRange.emplace_back(path, chars.Right['a'] * 10 + chars.Wrong['a']);
            });
            QCOMPARE(inRange,
                     (std::vector<std::pair<std::string, std::uint64_t>>{{file, 52}, {second.Path, 71}}));
            // A planted summary of 99 drills tells the store's answer from the file's.
            TLearnerSummary planted = first.Summary;
            planted.Drills = 99;
            planted.Days.front().Drills = 98;
            if (change == "fast") planted.Days.front().CorrectKeys = 1'000'000;
            if (change == "farDay") planted.Days.front().Day = 9'000'000'000'000'000;
            if (change == "order") std::swap(planted.Days.front(), planted.Days.back());
            QVERIFY(store->Keep(*stamp, planted));
        }
        timespec times[2] = {{0, UTIME_OMIT},
                             {stamp->ModifiedNs / 1000000000, stamp->ModifiedNs % 1000000000}};
        if (change == "size") {
            std::ofstream(file, std::ios::binary | std::ios::app)
                << FormatRecord(Drill(2, 1, 0, 10)) << "\r\n";
            QCOMPARE(::utimensat(AT_FDCWD, file.c_str(), times, 0), 0);
        }
        if (change == "time") {
            times[1].tv_sec += 1;
            QCOMPARE(::utimensat(AT_FDCWD, file.c_str(), times, 0), 0);
        }
        // Another learner's history of the same length in its place: one drill less
        // and the bytes made up in the source's name.
        std::vector<TDrillRecord> other(drills.begin(), drills.begin() + 1);
        std::string otherBytes = HistoryBytes(other);
        if (change == "replaced" || change == "rewritten") {
            other[0].Source.append(bytes.size() - otherBytes.size(), 'x');
            otherBytes = HistoryBytes(other);
            QCOMPARE(otherBytes.size(), bytes.size());
            const std::string written = change == "replaced" ? file + ".new" : file;
            WriteFile(QString::fromStdString(written), otherBytes);
            QCOMPARE(::utimensat(AT_FDCWD, written.c_str(), times, 0), 0);
            if (written != file) QCOMPARE(::rename(written.c_str(), file.c_str()), 0);
            QCOMPARE(HistoryStamp(file)->ModifiedNs, stamp->ModifiedNs);
        }
        const std::string storeFile = SummaryStoreFile(storeFolder);
        if (change == "garbage") WriteFile(QString::fromStdString(storeFile), std::string(8192, 'x'));
        if (change == "cut") QCOMPARE(::truncate(storeFile.c_str(), 4096), 0);
        if (change == "oldVersion") {
            sqlite3* db = nullptr;
            QCOMPARE(sqlite3_open(storeFile.c_str(), &db), SQLITE_OK);
            QCOMPARE(sqlite3_exec(db, "PRAGMA user_version = 2", nullptr, nullptr, nullptr), SQLITE_OK);
            sqlite3_close(db);
        }
        if (change == "shared") QCOMPARE(::chmod(storeFolder.c_str(), 0777), 0);
        const std::unique_ptr<TSummaryStore> store =
            TSummaryStore::Open(change == "noFolder" ? std::string() : storeFolder);
        QCOMPARE(bool(store), change != "noFolder" && change != "shared");
        const TLearnerHistory again = *ReadLearnerHistory(file, "Teclarium", store.get());
        QFETCH(bool, fromStore);
        const std::size_t expected = fromStore                                       ? 99
                                     : change == "size"                              ? 3
                                     : change == "replaced" || change == "rewritten" ? 1
                                                                                     : 2;
        QCOMPARE(again.Summary.Drills, expected);
        if (fromStore || !store) return;
        // Kept anew for the file as it is now.
        QCOMPARE(store->Find(*HistoryStamp(file)), std::optional<TLearnerSummary>(again.Summary));
    }

    // A range's keys read back from the store, whether the days in the range are
    // read or every day's less those outside it: the same keys as the drills give.
    void rangeKeysFromStore_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::newRow("a few days: those read") << 2 << 3;
        QTest::newRow("most days: those outside read") << 1 << 8;
        QTest::newRow("from a day on") << 1 << kNone;
        QTest::newRow("up to a day") << kNone << 8;
        QTest::newRow("no day in it") << 20 << 30;
    }
    void rangeKeysFromStore() {
        QFETCH(int, from);
        QFETCH(int, to);
        QTemporaryDir folder, storeDir;
        std::vector<TDrillRecord> drills;
        for (std::uint32_t day = 0; day < 10; ++day) {
            const std::uint32_t wrongA = day % 3, wrongE = day == 5 ? 9 : 1;
            drills.push_back(Drill(day, 50 + day, wrongA + wrongE, 600));
            drills.back().Chars = {{'a', 30 + day, wrongA}, {'e', 20, wrongE}};
            drills.back().Misses = {{'e', 'r', wrongE}};
            if (wrongA > 0) drills.back().Misses.insert(drills.back().Misses.begin(), {'a', 's', wrongA});
        }
        const QString file = folder.filePath("Carla.hist");
        WriteFile(file, HistoryBytes(drills));
        const TLearnerFigures expected = LearnerFigures(Summarise(drills), Range(from, to), kToday);
        // Read from the history, then from the store.
        for (int opening = 0; opening < 2; ++opening) {
            TGroupReport report("Teclarium", {}, Native(storeDir.path()));
            report.Add({Native(file)});
            QCOMPARE(report.Learners().size(), std::size_t(1));
            QVERIFY(report.Learners()[0].CharsStored);
            const TLearnerFigures figures = report.Figures(Range(from, to), kToday)[0];
            QCOMPARE(figures.Chars.Right, expected.Chars.Right);
            QCOMPARE(figures.Chars.Wrong, expected.Chars.Wrong);
            QCOMPARE(figures.Weak, expected.Weak);
        }
    }

    // The course standing is kept beside the summary: asked for again only when the
    // history, or what the standing depends on beside it, changed.
    void courseFromStore() {
        QTemporaryDir folder, storeDir;
        const std::string file = Native(folder.filePath("Carla.hist"));
        WriteFile(QString::fromStdString(file), HistoryBytes(Drills("0:100/0/600")));
        int asked = 0;
        std::string inputs = "a";
        std::optional<TCourseStanding> given = TCourseStanding{3, 35, true};
        const TCourseReader course(
            [&](const std::string&) {
                ++asked;
                return given;
            },
            [&](const std::string&) { return inputs; });
        const auto open = [&] {
            TGroupReport report("Teclarium", course, Native(storeDir.path()));
            report.Add({file});
            return report.Learners().at(0).Course;
        };
        const std::optional<TCourseStanding> first = given;
        QCOMPARE(open(), first);
        QCOMPARE(open(), first);
        QCOMPARE(asked, 1);
        inputs = "b";
        given = TCourseStanding{4, 35, false};
        QCOMPARE(open(), given);
        QCOMPARE(asked, 2);
        std::ofstream(file, std::ios::binary | std::ios::app) << FormatRecord(Drill(2, 1, 0, 10)) << "\r\n";
        given.reset();
        QCOMPARE(open(), given);
        QCOMPARE(open(), given);
        QCOMPARE(asked, 3);
    }

    void texts_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("decimal comma") << QString::fromStdString(DecimalText(1234.56, 1)) << "1234,6";
        QTest::newRow("no decimals") << QString::fromStdString(DecimalText(7.5, 0)) << "8";
        QTest::newRow("negative") << QString::fromStdString(DecimalText(-2.25, 2, true)) << "-2,25";
        QTest::newRow("positive with sign") << QString::fromStdString(DecimalText(0.06, 1, true)) << "+0,1";
        QTest::newRow("rounds to zero: no sign") << QString::fromStdString(DecimalText(-0.04, 1, true)) +
                                                        QString::fromStdString(DecimalText(0.04, 1, true))
                                                 << "0,00,0";
        QTest::newRow("duration") << QString::fromStdString(DurationText(37235)) << "1:02:04";
        QTest::newRow("long duration")
            << QString::fromStdString(DurationText(36000 * 125 + 4)) << "125:00:00";
        QTest::newRow("day") << QString::fromStdString(DayText(kDay0)) << "04/10/2024";
        QTest::newRow("ISO day") << QString::fromStdString(IsoDayText(kDay0)) << "2024-10-04";
        QTest::newRow("all drills") << QString::fromStdString(RangeText({})) << "Tots els exercicis";
        QTest::newRow("between") << QString::fromStdString(RangeText(Range(0, 31)))
                                 << "Exercicis del 04/10/2024 al 04/11/2024";
        QTest::newRow("from") << QString::fromStdString(RangeText(Range(0, kNone)))
                              << "Exercicis des del 04/10/2024";
        QTest::newRow("until") << QString::fromStdString(RangeText(Range(kNone, 0)))
                               << "Exercicis fins al 04/10/2024";
        QTest::newRow("weak keys, the invisible ones by a sign or code")
            << QString::fromStdString(WeakKeysText({{'a', 12.5}, {0xE0, 3.49}, {0x08, 100}, {0x01, 0.4}}))
            << QString::fromUtf8("a 12 %, à 3 %, ← 100 %, #01 0 %");
        QTest::newRow("weak keys, a space and the signs by their names")
            << QString::fromStdString(
                   WeakKeysText({{' ', 6}, {',', 6}, {'-', 8}, {0xB7, 5}, {'7', 4}, {0xC7, 3}}))
            << QString::fromUtf8("espai 6 %, coma 6 %, guionet 8 %, punt volat 5 %, 7 4 %, Ç 3 %");
    }
    void texts() {
        QFETCH(QString, text);
        QTEST(text, "expected");
    }

    // A learner's row: the figures as shown, and what each column sorts by (the weak
    // keys by the weakest one's rate; names and notes as text).
    void row_data() {
        QTest::addColumn<QString>("drills");
        QTest::addColumn<int>(
            "courseStep");  // -1: the course not begun; of 35 steps, targets met from step 5
        QTest::addColumn<QByteArray>("classFile");  // the folder's classe.ini; empty: none
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<QStringList>("sortBy");  // "": no figure
        // Each drill: a 8 right and 2 wrong, b 9 and 1; two drills make the 20 tries a
        // weak key needs.
        // Today is day 10: the last 7 days are days 4 to 10.
        QTest::newRow("with a change")
            << "0:100/4/600 8:300/0/900" << -1 << QByteArray()
            << QStringList{"Carla", "2",    "0:02:30", "04/10/2024", "12/10/2024", "2",
                           "1",     "2",    "100,0",   "200,0",      "+100,0",     "3,8",
                           "0,0",   "-3,8", "",        "",           "",           "a 20 %, b 10 %",
                           ""}
            << QStringList{"",    "2",       "1500", "20000",    "20008", "1.5", "1", "2",  "100", "200",
                           "100", "3.84615", "0",    "-3.84615", "",      "",    "",  "20", ""};
        QTest::newRow("idle a week, in the course, too few tries")
            << "0:100/0/600" << 12 << QByteArray()
            << QStringList{"Carla",
                           "1",
                           "0:01:00",
                           "04/10/2024",
                           "04/10/2024",
                           "0",
                           "0",
                           QString::fromUtf8("⚠ 10"),
                           "100,0",
                           "100,0",
                           "",
                           "0,0",
                           "0,0",
                           "",
                           "Pas 12 de 35",
                           "assolits",
                           "",
                           "",
                           ""}
            << QStringList{"", "1", "600", "20000", "20000", "0", "0", "10", "100", "100",
                           "", "0", "0",   "",      "12",    "1", "",  "",   ""};
        QTest::newRow("no drills, course just begun")
            << "" << 1 << QByteArray()
            << QStringList{"Carla", "0", "", "", "", "0", "0",           QString::fromUtf8("⚠"),
                           "",      "",  "", "", "", "",  "Pas 1 de 35", "no assolits",
                           "",      "",  ""}
            << QStringList{"", "0", "", "", "", "0", "0", "", "", "", "", "", "", "", "1", "0", "", "", ""};
        // The class's goals: the last week's 200 keys/min and no wrong key; 1.5
        // minutes in the last 7 days; step 12 of 20 due after today. The name the
        // class gives (Windows-1252: "Martí").
        QTest::newRow("class goals: met, not met, pending; the class's name")
            << "0:100/4/600 8:300/0/900" << 12
            << QByteArray(
                   "[Objectius]\r\nVelocitat=150\r\nPrecisio=99\r\nMinutsSetmana=2\r\nPas=20\r\n"
                   "PasAbans=2030-01-01\r\n[Noms]\r\ncarla=Mart\xED Puig\r\n")
            << QStringList{QString::fromUtf8("Martí Puig"),
                           "2",
                           "0:02:30",
                           "04/10/2024",
                           "12/10/2024",
                           "2",
                           "1",
                           "2",
                           "100,0",
                           "200,0",
                           "+100,0",
                           "3,8",
                           "0,0",
                           "-3,8",
                           "Pas 12 de 35",
                           "assolits",
                           QString::fromUtf8("velocitat sí, precisió sí, minuts no, pas pendent"),
                           "a 20 %, b 10 %",
                           ""}
            << QStringList{"",    "2",       "1500", "20000",    "20008", "1.5", "1",   "2",  "100", "200",
                           "100", "3.84615", "0",    "-3.84615", "12",    "1",   "0.5", "20", ""};
        // No number: no goal; above the range: the highest; 0 or below: none. The
        // step's day has passed.
        QTest::newRow("class goals: bad values, the step's day passed")
            << "0:100/0/600" << 12
            << QByteArray(
                   "[Objectius]\r\nVelocitat=molta\r\nPrecisio=250\r\nMinutsSetmana=-5\r\nPas=13\r\n"
                   "PasAbans=2024-10-13\r\n")
            << QStringList{"Carla",
                           "1",
                           "0:01:00",
                           "04/10/2024",
                           "04/10/2024",
                           "0",
                           "0",
                           QString::fromUtf8("⚠ 10"),
                           "100,0",
                           "100,0",
                           "",
                           "0,0",
                           "0,0",
                           "",
                           "Pas 12 de 35",
                           "assolits",
                           QString::fromUtf8("precisió sí, pas no"),
                           "",
                           ""}
            << QStringList{"", "1", "600", "20000", "20000", "0", "0",   "10", "100", "100",
                           "", "0", "0",   "",      "12",    "1", "0.5", "",   ""};
        QTest::newRow("class goals, no drills: none met")
            << "" << 1 << QByteArray("[Objectius]\r\nVelocitat=100\r\nPas=5\r\n")
            << QStringList{"Carla", "0", "", "", "", "0",           "0",           QString::fromUtf8("⚠"), "",
                           "",      "",  "", "", "", "Pas 1 de 35", "no assolits", "velocitat no, pas no", "",
                           ""}
            << QStringList{"", "0", "", "", "", "0", "0", "", "", "", "", "", "", "", "1", "0", "0", "", ""};
    }
    void row() {
        QFETCH(QString, drills);
        QFETCH(int, courseStep);
        QFETCH(QByteArray, classFile);
        QTemporaryDir folder;
        std::vector<TDrillRecord> records = Drills(drills);
        for (TDrillRecord& r : records) {
            r.Chars = {{'a', 8, 2}, {'b', 9, 1}};
            r.Misses = {{'a', 's', 2}, {'b', 'v', 1}};
        }
        WriteFile(folder.filePath("Carla.hist"), HistoryBytes(records));
        if (!classFile.isEmpty()) WriteFile(folder.filePath("classe.ini"), classFile.toStdString());
        TGroupReport report("Teclarium",
                            TCourseReader([&](const std::string& file) -> std::optional<TCourseStanding> {
                                if (file != Native(folder.filePath("Carla.hist")) || courseStep < 0)
                                    return std::nullopt;
                                return TCourseStanding{std::size_t(courseStep), 35, courseStep >= 5};
                            }));
        report.Add({Native(folder.filePath("Carla.hist"))});
        report.SetGoals(report.Learners()[0].Folder, ReadClassGoals(Native(folder.path())));
        const TReportRow row = ReportRow(report, 0, LearnerFigures(report.Learners()[0].Summary, {}, kToday));
        // The columns added for the teacher are tried in teacherColumns.
        QStringList cells, sortBy;
        for (int column = 0; column < kReportColumnCount; ++column) {
            if (IsAddedColumn(column)) continue;
            cells << QString::fromStdString(row[column].Text);
            sortBy << (row[column].Number ? QString::number(*row[column].Number) : QString());
        }
        QTEST(cells, "cells");
        QTEST(sortBy, "sortBy");
    }

    // Words a minute as the drill's report counts them (10 words a drill), the
    // accuracy, and the weekly trend: the 6 weeks of 7 days up to the range's end
    // (else today, the 11th day), keys a minute and minutes, what it sorts by.
    void teacherColumns_data() {
        QTest::addColumn<QString>("drills");
        QTest::addColumn<int>("to");
        QTest::addColumn<QStringList>("cells");  // words first, last; accuracy first, last
        QTest::addColumn<QString>("trend");
        QTest::addColumn<QString>("sortBy");  // the trend's
        QTest::newRow("two weeks") << "0:100/4/600 8:300/0/900" << kNone
                                   << QStringList{"10,0", "6,7", "96,2", "100,0"}
                                   << QString::fromUtf8("tecles/min – – – – 100 200; minuts 0 0 0 0 1 2")
                                   << "100";
        QTest::newRow("the drill report's figures")
            << "0:27/0/253" << kNone << QStringList{"23,7", "23,7", "100,0", "100,0"}
            << QString::fromUtf8("tecles/min – – – – 64 –; minuts 0 0 0 0 0 0") << "0";
        QTest::newRow("weeks end at the range's end, slower")
            << "0:100/0/600 2:50/50/600 9:500/0/600" << 8 << QStringList{"10,0", "10,0", "75,0", "75,0"}
            << QString::fromUtf8("tecles/min – – – – 100 50; minuts 0 0 0 0 1 1") << "-50";
        QTest::newRow("a drill after today counts in the last week")
            << "0:100/0/600 12:100/0/700" << kNone << QStringList{"10,0", "8,6", "100,0", "100,0"}
            << QString::fromUtf8("tecles/min – – – – 100 86; minuts 0 0 0 0 1 1") << "-14.2857";
        QTest::newRow("the first weeks")
            << "-31:60/0/600 -24:120/0/600" << kNone << QStringList{"10,0", "10,0", "100,0", "100,0"}
            << QString::fromUtf8("tecles/min 60 120 – – – –; minuts 1 1 0 0 0 0") << "60";
        QTest::newRow("no drills") << "" << kNone << QStringList{"", "", "", ""}
                                   << QString::fromUtf8("tecles/min – – – – – –; minuts 0 0 0 0 0 0") << "";
    }
    void teacherColumns() {
        QFETCH(QString, drills);
        QFETCH(int, to);
        TGroupReport report("Teclarium");
        TLearnerHistory carla;
        carla.Name = "Carla";
        carla.Folder = "/c";
        carla.File = "/c/Carla.hist";
        carla.Summary = Summarise(Drills(drills));
        std::vector<TLearnerHistory> histories;
        histories.push_back(std::move(carla));
        report.Take(std::move(histories));
        const TReportRow row =
            ReportRow(report, 0, LearnerFigures(report.Learners()[0].Summary, Range(kNone, to), kToday));
        QStringList cells;
        for (const int column : {kColWordsFirst, kColWordsLast, kColAccuracyFirst, kColAccuracyLast})
            cells << QString::fromStdString(row[column].Text);
        QTEST(cells, "cells");
        QTEST(QString::fromStdString(row[kColTrend].Text), "trend");
        const std::optional<double> sortBy = row[kColTrend].Number;
        QTEST(sortBy ? QString::number(*sortBy) : QString(), "sortBy");
    }

    // The columns the teacher shows, as the settings keep them: unknown names passed
    // over, the name always shown, nothing kept yet the default set.
    void shownColumns_data() {
        QTest::addColumn<QString>("kept");
        QTest::addColumn<QString>("shown");  // as written back
        QTest::newRow("nothing kept: the default")
            << ""
            << "name,drills,recent-minutes,idle-days,speed-last,words-last,accuracy-last,trend,course-step,"
               "class-goals,missed,notes";
        QTest::newRow("a name not known, the name left out") << "trend,colour,first-day"
                                                             << "name,first-day,trend";
        QTest::newRow("empty names") << ",,missed,"
                                     << "name,missed";
    }
    void shownColumns() {
        QFETCH(QString, kept);
        QTEST(QString::fromStdString(ShownColumnsText(ParseShownColumns(kept.toStdString()))), "shown");
    }

    void unreadableRow() {
        TGroupReport report("Teclarium");
        report.Add({"/nonexistent/Dani.hist"});
        const TReportRow row = ReportRow(report, 0, LearnerFigures(report.Learners()[0].Summary, {}, kToday));
        QCOMPARE(QString::fromStdString(row[kColName].Text), QStringLiteral("Dani"));
        QCOMPARE(QString::fromStdString(row[kColNotes].Text),
                 QStringLiteral("No es pot obrir el fitxer /nonexistent/Dani.hist"));
        for (int column = kColDrills; column < kColNotes; ++column) QVERIFY(row[column].Text.empty());
    }
};

QTEST_GUILESS_MAIN(TestGroupReport)
#include "tst_group_report.moc"
