// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The group report's classes: a folder's sub-folders, each class's goals read from
// and written to its classe.ini (Windows-1252, what else it holds kept, a file
// that cannot be read never written over), and the class's share meeting each goal.
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <sstream>

#include "progress/history_file.h"
#include "report/class_goals.h"
#include "report/group_report.h"
#include "report/report_csv.h"
#include "report/report_table.h"
#include "util/app_error.h"

using namespace teclarium;

namespace {

constexpr std::int64_t kToday = 20010;  // 2024-10-14

std::string Native(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

void WriteFile(const QString& path, const std::string& bytes) {
    std::ofstream(Native(path), std::ios::binary) << bytes;
}

std::string ReadFile(const QString& path) {
    std::ostringstream bytes;
    bytes << std::ifstream(Native(path), std::ios::binary).rdbuf();
    return bytes.str();
}

// A history of one drill, today, of a minute at this speed, no key wrong.
std::string History(std::uint32_t keysPerMinute) {
    TDrillRecord r;
    r.When = kToday * 86400 + 36000;
    r.Source = "11.tcm";
    r.Words = 10;
    r.CorrectKeys = keysPerMinute;
    r.CountedTenths = 600;
    r.KeysPerMinute = keysPerMinute;
    return std::string(kHistoryHeader) + "\r\n" + FormatRecord(r) + "\r\n";
}

}  // namespace

class TestReportClasses : public QObject {
    Q_OBJECT

  private slots:
    // Class 3A asks for 150 keys/min (two of its three learners meet it) and 2
    // minutes a week (each has practised 1); 3B sets no goal, and its learner has
    // none, in the class's line or all classes'. The same as grades for Moodle,
    // read back, and as the CSV's column.
    void classShares() {
        QTemporaryDir root;
        QVERIFY(QDir(root.path()).mkpath("3A") && QDir(root.path()).mkpath("3B") &&
                QDir(root.path()).mkpath(".amagada"));
        for (const auto& [file, speed] : {std::pair{"3A/anna.hist", 200}, std::pair{"3A/biel.hist", 160},
                                          std::pair{"3A/cesc.hist", 100}, std::pair{"3B/dani.hist", 300}})
            WriteFile(root.filePath(file), History(speed));
        WriteFile(root.filePath("3A/classe.ini"),
                  "[Objectius]\r\nVelocitat=150\r\nMinutsSetmana=2\r\n[Noms]\r\nanna=Anna Mart\xED\r\n");
        QStringList classes;
        std::vector<std::string> files;
        for (const std::string& folder : ClassFolders(Native(root.path()))) {
            classes << QFileInfo(QFile::decodeName(folder.c_str())).fileName();
            const std::vector<std::string> found = FolderHistories(folder, "Teclarium");
            files.insert(files.end(), found.begin(), found.end());
        }
        QCOMPARE(classes, QStringList({"3A", "3B"}));
        TGroupReport report("Teclarium");
        report.Add(files);
        QCOMPARE(report.Learners().size(), std::size_t(4));
        for (const TLearnerHistory& learner : report.Learners())
            report.SetGoals(learner.Folder, ReadClassGoals(learner.Folder));
        std::vector<TLearnerFigures> all;
        std::vector<TReportRow> rows, classRows;
        std::vector<TGoalStates> states, classStates;
        QStringList cells;
        for (std::size_t i = 0; i < report.Learners().size(); ++i) {
            const TLearnerFigures& figures =
                all.emplace_back(LearnerFigures(report.Learners()[i].Summary, {}, kToday));
            rows.push_back(ReportRow(report, i, figures));
            states.push_back(ClassGoalStates(report, i, figures));
            cells << QString::fromStdString(rows.back()[kColClassGoals].Text)
                  << QString::fromStdString(rows.back()[kColClassGoals].Short);
            if (i < 3) {
                classRows.push_back(rows.back());
                classStates.push_back(states.back());
            }
        }
        // Whole, and in short for the window.
        QCOMPARE(cells, QString::fromUtf8("velocitat sí, minuts no|V✓ M✗|velocitat sí, minuts no|V✓ M✗|"
                                          "velocitat no, minuts no|V✗ M✗||")
                            .split('|'));
        const TReportCell classShare = MedianRow(classRows, {}, classStates)[kColClassGoals];
        QCOMPARE(QString::fromStdString(classShare.Text), QStringLiteral("velocitat 67 %, minuts 0 %"));
        QCOMPARE(QString::fromStdString(classShare.Short), QStringLiteral("V 67% M 0%"));
        QCOMPARE(QString::fromStdString(MedianRow(rows, {}, states)[kColClassGoals].Text),
                 QStringLiteral("velocitat 67 %, minuts 0 %"));
        // Without goals, no share.
        QVERIFY(MedianRow(rows, {})[kColClassGoals].Text.empty());

        const QByteArray moodle = QByteArray::fromStdString(MoodleCsv(report, all, {3, 0, 1, 2}));
        QVERIFY(!moodle.startsWith("\xEF\xBB\xBF"));
        QList<QStringList> read;
        for (const QByteArray& line : moodle.split('\n'))
            if (!line.isEmpty()) read << QString::fromUtf8(line.chopped(1)).split(',');
        QCOMPARE(read, QList<QStringList>({
                           {"Identificador", "Alumne", "Objectiu de velocitat (sobre 10)",
                            "Objectiu de minuts (sobre 10)"},
                           {"dani", "dani", "", ""},
                           {"anna", QString::fromUtf8("Anna Martí"), "10.0", "5.0"},
                           {"biel", "biel", "10.0", "5.0"},
                           {"cesc", "cesc", "6.7", "5.0"},
                       }));
        const QByteArray csv = QByteArray::fromStdString(ReportCsv(report, all, {0}, {}, TCsvRows::Learners));
        QVERIFY(csv.contains(";Objectius del curs, ara;Objectius de la classe;"));
        QVERIFY(csv.contains(QString::fromUtf8(";velocitat sí, minuts no;").toUtf8()));
    }

    // Written and read back; a name that the file's code has a byte for (í, €) in
    // Windows-1252; a name emptied goes; the keys the program does not know stay.
    void writeAndReadBack() {
        QTemporaryDir folder;
        const QString file = folder.filePath("classe.ini");
        WriteFile(file, "[Altres]\r\nNota=hola\r\n[Noms]\r\nEnric=Enric Vell\r\n");
        TClassGoals goals;
        goals.Speed = 180;
        goals.Accuracy = 96;
        goals.WeekMinutes = 90;
        goals.Step = 12;
        goals.By = 20100;
        goals.Names = {{"anna", "Anna Puig"}, {"marti", "Martí 5 €"}};
        QVERIFY(WriteClassGoals(Native(folder.path()), goals));
        QCOMPARE(ReadClassGoals(Native(folder.path())), std::optional<TClassGoals>(goals));
        const std::string bytes = ReadFile(file);
        QVERIFY(bytes.find("Mart\xED 5 \x80") != std::string::npos);
        QVERIFY(bytes.find("PasAbans=2025-01-12") != std::string::npos);
        QVERIFY(bytes.find("Nota=hola") != std::string::npos);
        // Every goal off: none read back, the file kept.
        QVERIFY(WriteClassGoals(Native(folder.path()), TClassGoals()));
        const std::optional<TClassGoals> none = ReadClassGoals(Native(folder.path()));
        QVERIFY(none && !none->Any() && none->Names.empty() && !none->By);
        QVERIFY(!ReadClassGoals(Native(QDir(folder.path()).filePath("cap"))));
    }

    // A name Windows-1252 cannot hold is refused before anything is written; a file
    // that cannot be read says which, and is not written over.
    void refused_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("readable");
        QTest::newRow("a name with a character Windows-1252 lacks")
            << QByteArray("[Objectius]\r\nVelocitat=100\r\n") << QString::fromUtf8("Zoë Ōta") << true;
        QTest::newRow("an unreadable file")
            << QByteArray("[Noms]\r\nanna=\xE4\xB8\xAD\r\n") << QStringLiteral("Anna") << false;
    }
    void refused() {
        QFETCH(QByteArray, before);
        QFETCH(QString, name);
        QFETCH(bool, readable);
        QTemporaryDir folder;
        const QString file = folder.filePath("classe.ini");
        WriteFile(file, before.toStdString());
        if (!readable) {
            try {
                ReadClassGoals(Native(folder.path()));
                QFAIL("read");
            } catch (const TAppError& error) {
                QVERIFY(QString::fromStdString(error.what()).contains(file));
            }
        }
        TClassGoals goals;
        goals.Speed = 120;
        goals.Names = {{"anna", name.toStdString()}};
        QVERIFY_THROWS_EXCEPTION(TAppError, WriteClassGoals(Native(folder.path()), goals));
        QCOMPARE(QByteArray::fromStdString(ReadFile(file)), before);
    }
};

QTEST_GUILESS_MAIN(TestReportClasses)
#include "tst_report_classes.moc"
