// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// Where a learner of the group report stands in the course: the steps learned from
// the state beside the history, and whether every learned key meets the targets of
// the learner's own settings over its latest presses, each key press timed on the
// keyboard the settings name, else on the key mapping file's. Reads only.
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

#include "course/course_state.h"
#include "keyboard/key_mapping.h"
#include "progress/history_file.h"
#include "settings/ini_file.h"
#include "settings/settings_table.h"
#include "shell/course_standing.h"
#include "util/files.h"

using namespace teclarium;

namespace {

const std::vector<TCourseStep> kSteps = {{"fj", "1"}, {"dk", "2"}, {"sl", "3"}, {"a\xF1", "4"}};

// Typed with two presses on the Spanish keyboard: a dead key and a, Shift and f.
const std::string kTwoPresses = "\340F";

// A drill in which each character of chars was typed right 40 times, at msPerKey a
// key press, and wrong `wrong` times; its characters in byte order, as the recorder
// writes them.
TDrillRecord Drill(std::string chars, std::uint32_t msPerKey, std::uint32_t wrong) {
    std::sort(chars.begin(), chars.end(),
              [](char a, char b) { return static_cast<unsigned char>(a) < static_cast<unsigned char>(b); });
    TDrillRecord r;
    r.When = 1733500000;
    r.Source = "curs";
    r.Words = 20;
    r.CountedTenths = 600;
    for (const char c : chars) {
        const auto ch = static_cast<unsigned char>(c);
        const std::uint32_t presses = kTwoPresses.find(c) == std::string::npos ? 1 : 2;
        r.Chars.push_back({ch, 40, wrong, 40, 40 * msPerKey * presses});
        if (wrong > 0) r.Misses.push_back({ch, 'x', wrong});
        r.CorrectKeys += 40;
        r.WrongKeys += wrong;
    }
    return r;
}

}  // namespace

class TestCourseStanding : public QObject {
    Q_OBJECT

    TKeyCharsList FileKeys;

  private slots:
    void initTestCase() {
        QFile file(QStringLiteral(TECLARIUM_DATA_DIR "/KeyMapping.txt"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        FileKeys = ReadKeyMapping(file.readAll().toStdString());
        QVERIFY(!FileKeys.empty());
    }
    void standing_data() {
        QTest::addColumn<QByteArray>("state");     // "-": no state file
        QTest::addColumn<int>("msPerKey");         // 300 ms: 200 keys per minute
        QTest::addColumn<int>("wrong");            // of 40 right per key
        QTest::addColumn<int>("targetSpeed");      // 0: the course's 150
        QTest::addColumn<QByteArray>("keyboard");  // of the settings; neither it nor a target: no settings
        QTest::addColumn<int>("step");             // -1: no standing
        QTest::addColumn<bool>("met");
        QTest::newRow("not begun") << QByteArray("-") << 300 << 0 << 0 << QByteArray() << -1 << false;
        QTest::newRow("two steps, fast and right")
            << QByteArray("fjdk") << 300 << 0 << 0 << QByteArray() << 2 << true;
        QTest::newRow("every learned key counts: a step's half")
            << QByteArray("fjdks") << 300 << 0 << 0 << QByteArray() << 2 << true;
        QTest::newRow("too slow for the course")
            << QByteArray("fjdk") << 500 << 0 << 0 << QByteArray() << 2 << false;
        QTest::newRow("the learner's own target")
            << QByteArray("fjdk") << 300 << 0 << 250 << QByteArray() << 2 << false;
        QTest::newRow("too many wrong keys")
            << QByteArray("fjdk") << 300 << 4 << 0 << QByteArray() << 2 << false;
        QTest::newRow("the whole course")
            << QByteArray("fjdksla\xF1") << 300 << 1 << 0 << QByteArray() << 4 << true;
        // The course window times each key press: so does the report.
        QTest::newRow("an accent and a capital, per key press")
            << QByteArray("fjdk\340F") << 300 << 0 << 0 << QByteArray() << 2 << true;
        QTest::newRow("the learner's keyboard types the accent with one key")
            << QByteArray("fjdk\340F") << 300 << 0 << 0 << QByteArray("it") << 2 << false;
        QTest::newRow("a keyboard that cannot be built: the file's")
            << QByteArray("fjdk\340F") << 300 << 0 << 0 << QByteArray("zz") << 2 << true;
        QTest::newRow("a damaged state")
            << QByteArray("f\x01") << 300 << 0 << 0 << QByteArray() << -1 << false;
    }
    void standing() {
        QFETCH(QByteArray, state);
        QFETCH(int, msPerKey);
        QFETCH(int, wrong);
        QFETCH(int, targetSpeed);
        QTemporaryDir folder;
        const std::string settings = QFile::encodeName(folder.filePath("Carla.ini")).toStdString();
        const std::string history = HistoryFileName(settings);
        std::string text(kHistoryHeader);
        text.append("\r\n")
            .append(FormatRecord(
                Drill("fjdksla\xF1" + kTwoPresses, std::uint32_t(msPerKey), std::uint32_t(wrong))))
            .append("\r\n");
        WriteWholeFile(history, text);
        if (state != "-") {
            const std::string path = CourseStateFileName(settings);
            if (state.contains('\x01'))
                WriteWholeFile(path, "#curs 1\r\napreses=" + state.toStdString() + "\r\n");
            else
                WriteCourseState(path, state.toStdString());
        }
        QFETCH(QByteArray, keyboard);
        if (targetSpeed > 0 || !keyboard.isEmpty()) {
            TNewIniFile ini(settings);
            if (targetSpeed > 0) WriteCourseSettings(ini, {targetSpeed, 95, 30});
            if (!keyboard.isEmpty()) ini.WriteString(kOptionsSection, "Keyboard", keyboard.toStdString());
            QVERIFY(ini.UpdateFile());
        }
        const QStringList before = QDir(folder.path()).entryList(QDir::Files);
        const std::optional<TCourseStanding> standing = CourseStandingOf(history, kSteps, FileKeys);
        QFETCH(int, step);
        QCOMPARE(standing.has_value(), step >= 0);
        if (standing) {
            QCOMPARE(int(standing->Step), step);
            QCOMPARE(int(standing->Steps), 4);
            QTEST(standing->TargetsMet, "met");
        }
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), before);
    }
};

QTEST_GUILESS_MAIN(TestCourseStanding)
#include "tst_course_standing.moc"
