// The group report's figures: the first and the last week of practice and the
// change between them, the date range, the most missed characters; which files of
// a folder are histories, each file once, learners of the same name told apart by
// their folder, unreadable histories and damaged lines; the table's texts.
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <climits>
#include <fstream>

#include "progress/history_file.h"
#include "report/group_report.h"
#include "report/learner_figures.h"
#include "report/report_table.h"

using namespace teclarium;

namespace {

constexpr std::int64_t kDay0 = 20000;  // 2024-10-04
constexpr int kNone = INT_MIN;         // no limit in a range column

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
        // 300 keys right, 4 wrong, in 120 s: 150 keys/min, 4 of 304 wrong.
        QTest::newRow("one day: both weeks are the same drills, no change")
            << "0:100/4/600 0:200/0/600" << kNone << kNone << 2 << 0 << 0 << 150.0 << 150.0 << 400 / 304.0
            << 400 / 304.0 << false;
        QTest::newRow("six days apart: still one week") << "0:100/0/600 6:300/0/600" << kNone << kNone << 2
                                                        << 0 << 6 << 200.0 << 200.0 << 0.0 << 0.0 << false;
        QTest::newRow("seven days apart: the last week leaves the first day out")
            << "0:100/0/600 7:300/0/600" << kNone << kNone << 2 << 0 << 7 << 100.0 << 300.0 << 0.0 << 0.0
            << true;
        QTest::newRow("calendar days: days 0 to 6 and 14 to 20")
            << "0:100/0/600 3:200/0/600 7:999/0/600 13:999/0/600 14:300/50/600 20:100/50/600" << kNone
            << kNone << 6 << 0 << 20 << 150.0 << 200.0 << 0.0 << 20.0 << true;
        QTest::newRow("the counted time weighs the speed")
            << "0:100/0/600 1:100/0/1800" << kNone << kNone << 2 << 0 << 1 << 50.0 << 50.0 << 0.0 << 0.0
            << false;
        QTest::newRow("drills out of date order") << "14:300/0/600 0:100/0/600 10:200/0/600" << kNone << kNone
                                                  << 3 << 0 << 14 << 100.0 << 250.0 << 0.0 << 0.0 << true;
        QTest::newRow("the range: its first drill starts the first week")
            << "0:100/0/600 5:200/0/600 9:300/0/600 30:400/0/600" << 3 << 29 << 2 << 5 << 9 << 250.0 << 250.0
            << 0.0 << 0.0 << false;
        QTest::newRow("the range's ends are in it") << "2:100/0/600 4:300/0/600 12:500/0/600" << 2 << 12 << 3
                                                    << 2 << 12 << 200.0 << 500.0 << 0.0 << 0.0 << true;
        QTest::newRow("only a start") << "0:100/0/600 10:300/0/600" << 1 << kNone << 1 << 10 << 10 << 300.0
                                      << 300.0 << 0.0 << 0.0 << false;
        QTest::newRow("only an end") << "0:100/0/600 10:300/0/600" << kNone << 9 << 1 << 0 << 0 << 100.0
                                     << 100.0 << 0.0 << 0.0 << false;
        QTest::newRow("no drill in the range")
            << "0:100/0/600" << 1 << 5 << 0 << 0 << 0 << 0.0 << 0.0 << 0.0 << 0.0 << false;
        QTest::newRow("no drills") << "" << kNone << kNone << 0 << 0 << 0 << 0.0 << 0.0 << 0.0 << 0.0
                                   << false;
    }
    void figures() {
        QFETCH(QString, drills);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, count);
        const std::vector<TDrillRecord> records = Drills(drills);
        const TDayRange range = Range(from, to);
        const TLearnerFigures f = LearnerFigures(records, range);
        QCOMPARE(int(f.Drills), count);
        QTEST(f.HasChange(), "change");
        std::uint64_t tenths = 0;
        std::set<std::int64_t> days;
        for (const TDrillRecord& r : records)
            if (range.Contains(DayOf(r.When))) {
                tenths += r.CountedTenths;
                days.insert(DayOf(r.When));
            }
        QCOMPARE(f.Tenths, tenths);
        QCOMPARE(int(f.Days.size()), int(days.size()));
        if (count == 0) return;
        QTEST(int(f.FirstDay - kDay0), "firstDay");
        QTEST(int(f.LastDay - kDay0), "lastDay");
        QTEST(f.FirstWeek.KeysPerMinute(), "firstSpeed");
        QTEST(f.LastWeek.KeysPerMinute(), "lastSpeed");
        QTEST(f.FirstWeek.WrongPerHundred(), "firstErrors");
        QTEST(f.LastWeek.WrongPerHundred(), "lastErrors");
        QCOMPARE(f.SpeedChange(), f.LastWeek.KeysPerMinute() - f.FirstWeek.KeysPerMinute());
        QCOMPARE(f.ErrorChange(), f.LastWeek.WrongPerHundred() - f.FirstWeek.WrongPerHundred());
    }

    // The five most missed in the range: the most wrong keys first, then the higher
    // rate, then the lower byte.
    void mostMissed_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("every drill") << kNone << QByteArray("zdbae");
        QTest::newRow("the range leaves z out") << 1 << QByteArray("dbaef");
        QTest::newRow("a range without misses") << 3 << QByteArray();
    }
    void mostMissed() {
        std::vector<TDrillRecord> drills = {Drill(0, 10, 9, 600), Drill(1, 10, 0, 600), Drill(2, 10, 0, 600),
                                            Drill(3, 10, 0, 600)};
        drills[0].Chars = {{'z', 0, 9}};
        drills[1].Chars = {{'a', 10, 3}, {'b', 1, 3}, {'c', 0, 1}, {'d', 5, 5}};
        drills[2].Chars = {{'e', 2, 2}, {'f', 9, 2}, {'g', 1, 1}, {0xE0, 4, 0}};
        drills[3].Chars = {{'a', 4, 0}};
        QFETCH(int, from);
        QTEST(QByteArray::fromStdString(LearnerFigures(drills, Range(from, kNone)).MostMissed), "expected");
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
        QCOMPARE(report.Learners()[0].Drills.size(), std::size_t(2));
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
        QCOMPARE(report.Learners()[3].Drills.size(), std::size_t(1));
        QCOMPARE(Snapshot(settings.path()) + Snapshot(usb.path()), before);
    }

    // A history that cannot be read says why and has no drills; damaged lines are
    // counted as the progress window counts them.
    void unreadable_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("failure");  // empty: read
        QTest::addColumn<int>("drills");
        QTest::addColumn<QString>("notes");
        QTest::newRow("missing") << "missing"
                                 << "No es pot obrir el fitxer %1" << 0 << "No es pot obrir el fitxer %1";
        QTest::newRow("a folder") << "folder"
                                  << "No es pot obrir el fitxer %1" << 0 << "No es pot obrir el fitxer %1";
        QTest::newRow("a FIFO, not waited on")
            << "fifo"
            << "No es pot obrir el fitxer %1" << 0 << "No es pot obrir el fitxer %1";
        QTest::newRow("too large") << "large"
                                   << "L'arxiu %1 és massa gran (257 MB): no pot passar de 256 MB" << 0
                                   << "L'arxiu %1 és massa gran (257 MB): no pot passar de 256 MB";
        QTest::newRow("damaged lines and a cut last line")
            << "damaged"
            << "" << 2 << QString::fromUtf8("3 línies de l'historial no s'han pogut llegir");
        QTest::newRow("a newer version")
            << "newer" << QString::fromUtf8("L'historial '%1' és d'una versió més nova") << 0
            << QString::fromUtf8("L'historial '%1' és d'una versió més nova");
        QTest::newRow("whole") << "whole"
                               << "" << 2 << "";
    }
    void unreadable() {
        QFETCH(QString, kind);
        QTemporaryDir folder;
        const QString path = folder.filePath("Carla.hist");
        const std::string good = HistoryBytes(Drills("0:100/0/600 1:100/0/600"));
        std::string bytes;
        if (kind == "folder") QVERIFY(QDir(folder.path()).mkdir("Carla.hist"));
        if (kind == "fifo") QCOMPARE(::mkfifo(Native(path).c_str(), 0600), 0);
        if (kind == "large") {
            WriteFile(path, good);
            QCOMPARE(::truncate(Native(path).c_str(), (257 << 20) - 100), 0);
        }
        if (kind == "damaged")
            bytes = good + "malmesa\r\n2024-10-05 10:00:00\tx\t1\r\n" + FormatRecord(Drill(3, 1, 1, 1));
        if (kind == "whole") bytes = good;
        if (kind == "newer") bytes = "#historial 3\r\n" + good.substr(good.find('\n') + 1);
        if (!bytes.empty()) WriteFile(path, bytes);

        const TLearnerHistory history = ReadLearnerHistory(Native(path), "Teclarium");
        QCOMPARE(history.Name, std::string("Carla"));
        QFETCH(QString, failure);
        QCOMPARE(QString::fromStdString(history.Failure), failure.isEmpty() ? QString() : failure.arg(path));
        QTEST(int(history.Drills.size()), "drills");
        if (!bytes.empty()) QCOMPARE(history.BadLines, ReadProgress(bytes).BadLines);
        QFETCH(QString, notes);
        QCOMPARE(QString::fromStdString(LearnerNotes(history)),
                 notes.contains("%1") ? notes.arg(path) : notes);
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
        QTest::newRow("characters") << QString::fromStdString(CharsText("a\xE0\x08;\x01"))
                                    << QString::fromUtf8("a à ← ; #01");
    }
    void texts() {
        QFETCH(QString, text);
        QTEST(text, "expected");
    }

    // A learner's row: the figures as shown, and what the number columns sort by.
    void row_data() {
        QTest::addColumn<QString>("drills");
        QTest::addColumn<int>("courseKeys");  // -1: the course not begun
        QTest::addColumn<QStringList>("cells");
        QTest::newRow("with a change")
            << "0:100/4/600 8:300/0/900" << -1
            << QStringList{"Carla",  "2",   "0:02:30", "04/10/2024", "12/10/2024", "100,0", "200,0",
                           "+100,0", "3,8", "0,0",     "-3,8",       "",           "a b",   ""};
        QTest::newRow("one week: no change, in the course")
            << "0:100/0/600" << 9
            << QStringList{"Carla", "1",   "0:01:00", "04/10/2024", "04/10/2024", "100,0", "100,0",
                           "",      "0,0", "0,0",     "",           "9",          "a b",   ""};
        QTest::newRow("no drills, course just begun")
            << "" << 0 << QStringList{"Carla", "0", "", "", "", "", "", "", "", "", "", "0", "", ""};
    }
    void row() {
        QFETCH(QString, drills);
        QFETCH(int, courseKeys);
        QTemporaryDir folder;
        std::vector<TDrillRecord> records = Drills(drills);
        for (TDrillRecord& r : records) {
            r.Chars = {{'a', 1, 2}, {'b', 1, 1}};
            r.Misses = {{'a', 's', 2}, {'b', 'v', 1}};
        }
        WriteFile(folder.filePath("Carla.hist"), HistoryBytes(records));
        TGroupReport report("Teclarium", [&](const std::string& file) -> std::optional<std::size_t> {
            if (file != Native(folder.filePath("Carla.hist")) || courseKeys < 0) return std::nullopt;
            return courseKeys;
        });
        report.Add({Native(folder.filePath("Carla.hist"))});
        const TLearnerFigures f = LearnerFigures(report.Learners()[0].Drills, {});
        const TReportRow row = ReportRow(report, 0, f);
        QStringList cells;
        for (const TReportCell& cell : row) cells << QString::fromStdString(cell.Text);
        QTEST(cells, "cells");
        for (int column = 0; column < kReportColumnCount; ++column)
            QVERIFY2(row[column].Number.has_value() == (!IsTextColumn(column) && !row[column].Text.empty()),
                     qPrintable(QString::number(column)));
        if (f.Drills == 0) return;
        QCOMPARE(*row[kColFirstDay].Number, double(kDay0));
        QCOMPARE(*row[kColTime].Number, double(f.Tenths));
        QCOMPARE(*row[kColSpeedFirst].Number, f.FirstWeek.KeysPerMinute());
    }

    void unreadableRow() {
        TGroupReport report("Teclarium");
        report.Add({"/nonexistent/Dani.hist"});
        const TReportRow row = ReportRow(report, 0, LearnerFigures(report.Learners()[0].Drills, {}));
        QCOMPARE(QString::fromStdString(row[kColName].Text), QStringLiteral("Dani"));
        QCOMPARE(QString::fromStdString(row[kColNotes].Text),
                 QStringLiteral("No es pot obrir el fitxer /nonexistent/Dani.hist"));
        for (int column = kColDrills; column < kColNotes; ++column) QVERIFY(row[column].Text.empty());
    }
};

QTEST_GUILESS_MAIN(TestGroupReport)
#include "tst_group_report.moc"
