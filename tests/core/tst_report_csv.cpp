// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The group report's CSV files, byte for byte: the byte-order mark, ';' between
// fields, the decimal comma, CR LF rows, fields quoted as spreadsheets expect and
// texts that a spreadsheet would run as formulas kept as text.
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>

#include "progress/history_file.h"
#include "report/report_csv.h"

using namespace teclarium;

namespace {

constexpr std::int64_t kDay0 = 20000;  // 2024-10-04

TDrillRecord Drill(std::int64_t day, std::uint32_t correct, std::uint32_t wrong, std::uint32_t tenths) {
    TDrillRecord r;
    r.When = (kDay0 + day) * 86400 + 36000 + 5;
    r.Source = "11.tcm";
    r.Words = 10;
    r.CorrectKeys = correct;
    r.WrongKeys = wrong;
    r.OmittedWords = 1;
    r.CountedTenths = tenths;
    r.PauseTenths = 25;
    r.SecondsPerWordTenths = 12;
    r.WordsPerMinuteTenths = 505;
    r.KeysPerMinute = correct * 600 / tenths;
    return r;
}

void WriteHistory(const QString& path, const std::vector<TDrillRecord>& drills) {
    std::string bytes = std::string(kHistoryHeader) + "\r\n";
    for (const TDrillRecord& d : drills) bytes += FormatRecord(d) + "\r\n";
    std::ofstream(QFile::encodeName(path).toStdString(), std::ios::binary) << bytes;
}

const QByteArray kLearnerHeader =
    "\xEF\xBB\xBF"
    "Alumne;Carpeta;Exercicis;Temps de pràctica (minuts);Primer dia;Darrer dia;"
    "Minuts de pràctica darrers 7 dies;Exercicis darrers 7 dies;Dies des del darrer exercici;"
    "Tecles/min primers 7 dies;Tecles/min darrers 7 dies;Canvi de tecles/min;"
    "Errades per cent primers 7 dies;Errades per cent darrers 7 dies;Canvi d'errades per cent;"
    "Pas del curs, ara;Passos del curs;Objectius del curs, ara;Caràcters febles (errades per cent);"
    "Observacions;"
    "Paraules/min primers 7 dies;Paraules/min darrers 7 dies;Precisió % primers 7 dies;Precisió % darrers 7 "
    "dies;"
    "Tecles/min setmana del 2024-09-03;Tecles/min setmana del 2024-09-10;Tecles/min setmana del 2024-09-17;"
    "Tecles/min setmana del 2024-09-24;Tecles/min setmana del 2024-10-01;Tecles/min setmana del 2024-10-08;"
    "Minuts setmana del 2024-09-03;Minuts setmana del 2024-09-10;Minuts setmana del 2024-09-17;"
    "Minuts setmana del 2024-09-24;Minuts setmana del 2024-10-01;Minuts setmana del 2024-10-08\r\n";
const QByteArray kDrillHeader =
    "\xEF\xBB\xBF"
    "Alumne;Carpeta;Data;Font;Paraules;Tecles correctes;Tecles errades;Paraules omeses;"
    "Temps comptat (s);Pauses descomptades (s);Segons per paraula;Paraules per minut;Tecles per minut\r\n";

// For spreadsheets not set up for Catalan: ',' between fields, a decimal point.
const QByteArray kLearnerPointHeader =
    "\xEF\xBB\xBF"
    "Alumne,Carpeta,Exercicis,Temps de pràctica (minuts),Primer dia,Darrer dia,"
    "Minuts de pràctica darrers 7 dies,Exercicis darrers 7 dies,Dies des del darrer exercici,"
    "Tecles/min primers 7 dies,Tecles/min darrers 7 dies,Canvi de tecles/min,"
    "Errades per cent primers 7 dies,Errades per cent darrers 7 dies,Canvi d'errades per cent,"
    "\"Pas del curs, ara\",Passos del curs,\"Objectius del curs, ara\",Caràcters febles (errades per cent),"
    "Observacions,"
    "Paraules/min primers 7 dies,Paraules/min darrers 7 dies,Precisió % primers 7 dies,Precisió % darrers 7 "
    "dies,"
    "Tecles/min setmana del 2024-09-03,Tecles/min setmana del 2024-09-10,Tecles/min setmana del 2024-09-17,"
    "Tecles/min setmana del 2024-09-24,Tecles/min setmana del 2024-10-01,Tecles/min setmana del 2024-10-08,"
    "Minuts setmana del 2024-09-03,Minuts setmana del 2024-09-10,Minuts setmana del 2024-09-17,"
    "Minuts setmana del 2024-09-24,Minuts setmana del 2024-10-01,Minuts setmana del 2024-10-08\r\n";
const QByteArray kDrillPointHeader =
    "\xEF\xBB\xBF"
    "Alumne,Carpeta,Data,Font,Paraules,Tecles correctes,Tecles errades,Paraules omeses,"
    "Temps comptat (s),Pauses descomptades (s),Segons per paraula,Paraules per minut,Tecles per minut\r\n";

}  // namespace

class TestReportCsv : public QObject {
    Q_OBJECT

  private slots:
    void field_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("field");
        QTest::newRow("plain") << QByteArray("Anna Puig") << QByteArray("Anna Puig");
        QTest::newRow("empty") << QByteArray() << QByteArray();
        QTest::newRow("accents stay as they are") << QByteArray("Núria") << QByteArray("Núria");
        QTest::newRow("separator") << QByteArray("a;b") << QByteArray("\"a;b\"");
        QTest::newRow("quotes doubled") << QByteArray("el \"Xec\"") << QByteArray("\"el \"\"Xec\"\"\"");
        QTest::newRow("line break") << QByteArray("Joan\nMarc") << QByteArray("\"Joan\nMarc\"");
        QTest::newRow("CR LF") << QByteArray("a\r\nb") << QByteArray("\"a\r\nb\"");
        QTest::newRow("comma and apostrophe need nothing") << QByteArray("l'a, b") << QByteArray("l'a, b");
        QTest::newRow("formula") << QByteArray("=SUMA(A1)") << QByteArray("'=SUMA(A1)");
        QTest::newRow("plus") << QByteArray("+34") << QByteArray("'+34");
        QTest::newRow("minus") << QByteArray("-a") << QByteArray("'-a");
        QTest::newRow("at") << QByteArray("@x") << QByteArray("'@x");
        QTest::newRow("tab") << QByteArray("\tx") << QByteArray("'\tx");
        QTest::newRow("formula with a separator")
            << QByteArray("=1;\"2\"") << QByteArray("\"'=1;\"\"2\"\"\"");
        QTest::newRow("CR") << QByteArray("\r=1") << QByteArray("\"'\r=1\"");
        QTest::newRow("line feed") << QByteArray("\n=1") << QByteArray("\"'\n=1\"");
        QTest::newRow("formula after spaces") << QByteArray("  =1+1") << QByteArray("'  =1+1");
        QTest::newRow("tab after a space") << QByteArray(" \tx") << QByteArray("' \tx");
        QTest::newRow("spaces only") << QByteArray("  ") << QByteArray("  ");
        QTest::newRow("a word after spaces") << QByteArray(" a-b") << QByteArray(" a-b");
        QTest::newRow("a mark inside only") << QByteArray("a=b-c") << QByteArray("a=b-c");
    }
    void field() {
        QFETCH(QByteArray, text);
        QTEST(QByteArray::fromStdString(CsvField(text.toStdString())), "field");
    }

    void file_data() {
        QTest::addColumn<bool>("drillRows");
        QTest::addColumn<int>("from");    // -1: no limit
        QTest::addColumn<bool>("point");  // ',' between fields and a decimal point
        QTest::addColumn<QByteArray>("expected");
        // Today is the 11th day: Anna's last drill, on the 9th, is in the last 7 days.
        QTest::newRow("one row per learner")
            << false << -1 << false
            << kLearnerHeader +
                   "Anna;\"%F\";2;2,5;2024-10-04;2024-10-12;1,5;1;2;100,0;200,0;100,0;3,8;0,0;-3,8;12;35;"
                   "assolits;b 10 %, a 7 %;;10,0;6,7;96,2;100,0;;;;;100,0;200,0;0,0;0,0;0,0;0,0;1,0;1,5\r\n"
                   "\"Joan; "
                   "\"\"Xec\"\"\nMarc\";\"%F\";1;0,5;2024-10-05;2024-10-05;0,0;0;9;100,0;100,0;;0,0;0,0;;;;;;"
                   ";"
                   "20,0;20,0;100,0;100,0;;;;;100,0;;0,0;0,0;0,0;0,0;0,5;0,0\r\n"
                   "Núria;\"%F\";0;;;;0,0;0;;;;;;;;;;;;;;;;;;;;;;;0,0;0,0;0,0;0,0;0,0;0,0\r\n"
                   "'=Dani;\"%F\";;;;;;;;;;;;;;;;;;\"No es pot obrir el fitxer "
                   "%F/=Dani.hist\";;;;;;;;;;;;;;;;\r\n";
        QTest::newRow("one row per learner, from the second day")
            << false << 1 << false
            << kLearnerHeader +
                   "Anna;\"%F\";1;1,5;2024-10-12;2024-10-12;1,5;1;2;200,0;200,0;;0,0;0,0;;12;35;assolits;;;"
                   "6,7;6,7;100,0;100,0;;;;;;200,0;0,0;0,0;0,0;0,0;0,0;1,5\r\n"
                   "\"Joan; "
                   "\"\"Xec\"\"\nMarc\";\"%F\";1;0,5;2024-10-05;2024-10-05;0,0;0;9;100,0;100,0;;0,0;0,0;;;;;;"
                   ";"
                   "20,0;20,0;100,0;100,0;;;;;100,0;;0,0;0,0;0,0;0,0;0,5;0,0\r\n"
                   "Núria;\"%F\";0;;;;0,0;0;;;;;;;;;;;;;;;;;;;;;;;0,0;0,0;0,0;0,0;0,0;0,0\r\n"
                   "'=Dani;\"%F\";;;;;;;;;;;;;;;;;;\"No es pot obrir el fitxer "
                   "%F/=Dani.hist\";;;;;;;;;;;;;;;;\r\n";
        QTest::newRow("one row per drill")
            << true << -1 << false
            << kDrillHeader +
                   "Anna;\"%F\";2024-10-04 10:00:05;11.tcm;10;100;4;1;60,0;2,5;1,2;50,5;100\r\n"
                   "Anna;\"%F\";2024-10-12 10:00:05;Paraules freqüents;10;300;0;1;90,0;2,5;1,2;50,5;200\r\n"
                   "\"Joan; \"\"Xec\"\"\nMarc\";\"%F\";2024-10-05 "
                   "10:00:05;\"'-a;b\";10;50;0;1;30,0;2,5;1,2;50,5;100\r\n";
        QTest::newRow("one row per drill, from the second day")
            << true << 1 << false
            << kDrillHeader +
                   "Anna;\"%F\";2024-10-12 10:00:05;Paraules freqüents;10;300;0;1;90,0;2,5;1,2;50,5;200\r\n"
                   "\"Joan; \"\"Xec\"\"\nMarc\";\"%F\";2024-10-05 "
                   "10:00:05;\"'-a;b\";10;50;0;1;30,0;2,5;1,2;50,5;100\r\n";
        // The folder holds a ';' but no ',': unquoted here; the weak keys hold a ',': quoted.
        QTest::newRow("one row per learner, decimal point")
            << false << -1 << true
            << kLearnerPointHeader +
                   "Anna,%F,2,2.5,2024-10-04,2024-10-12,1.5,1,2,100.0,200.0,100.0,3.8,0.0,-3.8,12,35,"
                   "assolits,\"b 10 %, a 7 "
                   "%\",,10.0,6.7,96.2,100.0,,,,,100.0,200.0,0.0,0.0,0.0,0.0,1.0,1.5\r\n"
                   "\"Joan; "
                   "\"\"Xec\"\"\nMarc\",%F,1,0.5,2024-10-05,2024-10-05,0.0,0,9,100.0,100.0,,0.0,0.0,,,,,,,"
                   "20.0,20.0,100.0,100.0,,,,,100.0,,0.0,0.0,0.0,0.0,0.5,0.0\r\n"
                   "Núria,%F,0,,,,0.0,0,,,,,,,,,,,,,,,,,,,,,,,0.0,0.0,0.0,0.0,0.0,0.0\r\n"
                   "'=Dani,%F,,,,,,,,,,,,,,,,,,No es pot obrir el fitxer %F/=Dani.hist,,,,,,,,,,,,,,,,\r\n";
        QTest::newRow("one row per drill, decimal point, from the second day")
            << true << 1 << true
            << kDrillPointHeader +
                   "Anna,%F,2024-10-12 10:00:05,Paraules freqüents,10,300,0,1,90.0,2.5,1.2,50.5,200\r\n"
                   "\"Joan; \"\"Xec\"\"\nMarc\",%F,2024-10-05 "
                   "10:00:05,'-a;b,10,50,0,1,30.0,2.5,1.2,50.5,100\r\n";
    }
    void file() {
        QFETCH(bool, point);
        QTemporaryDir temporary;
        // A folder whose name must be quoted too.
        const QString folder =
            QFileInfo(temporary.path()).canonicalFilePath() + QStringLiteral("/classe; 1r");
        QVERIFY(QDir().mkpath(folder));
        std::vector<TDrillRecord> anna = {Drill(0, 100, 4, 600), Drill(8, 300, 0, 900)};
        anna[0].Chars = {{'a', 28, 2}, {'b', 18, 2}};
        anna[0].Misses = {{'a', 's', 2}, {'b', 'v', 2}};
        anna[1].Source =
            "Paraules freq\xFC"
            "ents";
        std::vector<TDrillRecord> joan = {Drill(1, 50, 0, 300)};
        joan[0].Source = "-a;b";
        const QString joanName = QStringLiteral("Joan; \"Xec\"\nMarc");
        WriteHistory(folder + "/Anna.hist", anna);
        WriteHistory(folder + "/" + joanName + ".hist", joan);
        WriteHistory(folder + QString::fromUtf8("/Núria.hist"), {});
        // Anna is at the course's step 12 of 35, at its targets; the others have not begun it.
        TGroupReport report("Teclarium",
                            TCourseReader([](const std::string& file) -> std::optional<TCourseStanding> {
                                if (file.ends_with("/Anna.hist")) return TCourseStanding{12, 35, true};
                                return std::nullopt;
                            }));
        for (const QString& name :
             {QStringLiteral("Anna"), joanName, QString::fromUtf8("Núria"), QStringLiteral("=Dani")})
            report.Add({QFile::encodeName(folder + "/" + name + ".hist").toStdString()});

        QFETCH(int, from);
        const TDayRange range = from < 0 ? TDayRange{} : TDayRange{kDay0 + from, std::nullopt};
        std::vector<TLearnerFigures> figures;
        for (const TLearnerHistory& learner : report.Learners())
            figures.push_back(LearnerFigures(learner.Summary, range, kDay0 + 10));
        QFETCH(bool, drillRows);
        const std::string csv =
            ReportCsv(report, figures, {0, 1, 2, 3}, range, drillRows ? TCsvRows::Drills : TCsvRows::Learners,
                      point ? TCsvNumbers::Point : TCsvNumbers::Catalan);
        QFETCH(QByteArray, expected);
        const QList<QByteArray> lines = QByteArray::fromStdString(csv).split('\n');
        const QList<QByteArray> expectedLines = expected.replace("%F", folder.toUtf8()).split('\n');
        QCOMPARE(lines.size(), expectedLines.size());
        for (qsizetype i = 0; i < lines.size(); ++i) QCOMPARE(lines[i], expectedLines[i]);
    }

    // The rows follow the table's order; two learners of one name from two folders
    // stay two, named as the table names them, with their folder in every row.
    void tableOrder_data() {
        QTest::addColumn<bool>("drillRows");
        QTest::addColumn<QStringList>("expected");  // each row's first two fields; %1, %2: the folders
        QTest::newRow("one row per learner")
            << false << QStringList{"Pere;%2", "Anna (%2);%2", "Anna (%1);%1"};
        QTest::newRow("one row per drill")
            << true << QStringList{"Pere;%2", "Anna (%2);%2", "Anna (%1);%1", "Anna (%1);%1"};
    }
    void tableOrder() {
        QTemporaryDir temporary;
        const QString root = QFileInfo(temporary.path()).canonicalFilePath();
        const QString a = root + "/a", b = root + "/b";
        QVERIFY(QDir().mkpath(a) && QDir().mkpath(b));
        WriteHistory(a + "/Anna.hist", {Drill(0, 100, 0, 600), Drill(1, 100, 0, 600)});
        WriteHistory(b + "/Anna.hist", {Drill(2, 100, 0, 600)});
        WriteHistory(b + "/Pere.hist", {Drill(3, 100, 0, 600)});
        TGroupReport report("Teclarium");
        for (const QString& file : {a + "/Anna.hist", b + "/Anna.hist", b + "/Pere.hist"})
            report.Add({QFile::encodeName(file).toStdString()});
        std::vector<TLearnerFigures> figures;
        for (const TLearnerHistory& learner : report.Learners())
            figures.push_back(LearnerFigures(learner.Summary, {}, kDay0 + 10));
        QFETCH(bool, drillRows);
        const QList<QByteArray> lines =
            QByteArray::fromStdString(
                ReportCsv(report, figures, {2, 1, 0}, {}, drillRows ? TCsvRows::Drills : TCsvRows::Learners))
                .split('\n');
        QStringList rows;
        for (qsizetype i = 1; i < lines.size() - 1; ++i)
            rows << QString::fromUtf8(lines[i]).section(';', 0, 1);
        QFETCH(QStringList, expected);
        for (QString& row : expected) row = row.replace("%1", a).replace("%2", b);
        QCOMPARE(rows, expected);
    }
};

QTEST_GUILESS_MAIN(TestReportCsv)
#include "tst_report_csv.moc"
