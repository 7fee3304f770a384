// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The shipped course typed from its first step through the real drill with a set
// clock, lesson after lesson, by a person: every key press (Shift, AltGr, a dead key,
// the letter) takes its own time slot at an even pace, and a word not shown ahead is
// read before its first key. Presses faster than the target unlock every step within
// a few lessons up to the end; slower ones, or too many wrong keys, unlock nothing. On a keyboard other
// than the one the order is written for, the characters it cannot type never come in
// a lesson nor hold a step back, and a step made only of them is passed by; on the
// order's own keyboard such a step refuses the order.
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <random>

#include "course/course.h"
#include "course/course_texts.h"
#include "drill_fixture.h"
#include "keyboard/key_mapping.h"
#include "keyboard/layout_keymap.h"
#include "platform/xkb/xkb_layout.h"
#include "progress/drill_recorder.h"
#include "progress/history_file.h"
#include "util/codec.h"

using namespace teclarium;
using namespace teclarium::test;

namespace {

QByteArray DataFile(const char* name) {
    QFile file(QStringLiteral(TECLARIUM_DATA_DIR "/") + QString::fromLatin1(name));
    if (!file.open(QIODevice::ReadOnly)) qFatal("cannot read %s", name);
    return file.readAll();
}

// "file": the key mapping file's keys; else an XKB layout's name.
TKeyCharsList Keys(const QString& keyboard) {
    if (keyboard == QLatin1String("file")) return ReadKeyMapping(DataFile("KeyMapping.txt").toStdString());
    const auto layout = XkbLayoutFromNames({keyboard.toStdString(), ""}, CharKeyScanCodes());
    if (!layout) qFatal("no XKB layout %s", qPrintable(keyboard));
    return KeyCharsOfLayout(*layout);
}

}  // namespace

class TestCourseTyped : public QObject {
    Q_OBJECT

  private slots:
    void wholeCourse_data() {
        QTest::addColumn<QString>("keyboard");
        QTest::addColumn<bool>("courseKeyboard");   // the one the order is written for
        QTest::addColumn<QByteArray>("addedStep");  // a line put at the order's end
        QTest::addColumn<double>("pace");           // share of the target speed
        QTest::addColumn<double>("wrongShare");     // of the keys, pressed wrong first
        QTest::addColumn<bool>("finishes");
        QTest::addColumn<QStringList>("skipped");  // the steps passed by
        QTest::addColumn<QString>("refused");      // the order's message
        const QByteArray none;
        QTest::newRow("at 1.3 times the target every step unlocks")
            << "file" << true << none << 1.3 << 0.0 << true << QStringList() << QString();
        QTest::newRow("at 0.8 times the target nothing unlocks")
            << "file" << true << none << 0.8 << 0.0 << false << QStringList() << QString();
        QTest::newRow("with a wrong key in ten nothing unlocks")
            << "file" << true << none << 1.3 << 0.1 << false << QStringList() << QString();
        QTest::newRow("Spanish derived from XKB: every step unlocks")
            << "es" << false << none << 1.3 << 0.0 << true << QStringList() << QString();
        QTest::newRow("a sign on no key of the order's keyboard refuses it")
            << "file" << true << QByteArray("\xA9\tCopyright\r\n") << 1.3 << 0.0 << false << QStringList()
            << QString::fromUtf8(
                   "Línia 43 incorrecta de l'arxiu curs.txt: cap tecla del teclat no escriu el caràcter ©");
        // French types no Ç (in a step with letters it types) and no ñ Ñ.
        QTest::newRow("French: a step it cannot type is passed by")
            << "fr" << false << QByteArray("\xF1\xD1\tEnya\r\n") << 1.3 << 0.0 << true
            << QStringList{QString::fromUtf8("ñÑ")} << QString();
        QTest::newRow("Spanish file: the same step is learned")
            << "file" << true << QByteArray("\xF1\xD1\tEnya\r\n") << 1.3 << 0.0 << true << QStringList()
            << QString();
        // US types no accented letter, no ·, ¿, ¡ nor €.
        QTest::newRow("US: every accented step is passed by")
            << "us" << false << none << 1.3 << 0.0 << true
            << QString::fromUtf8("àè éí òó ú ïü ç · ÀÈÉÍÒÓÚÏÜÇ").split(QLatin1Char(' ')) << QString();
    }
    void wholeCourse() {
        QFETCH(QString, keyboard);
        QFETCH(bool, courseKeyboard);
        QFETCH(QByteArray, addedStep);
        QFETCH(double, pace);
        QFETCH(double, wrongShare);
        QFETCH(bool, finishes);
        QFETCH(QStringList, skipped);
        QFETCH(QString, refused);
        constexpr int kMaxLessonsPerStep = 6;
        constexpr double kReadingSeconds = 1.2;  // to read a word that was not shown ahead
        QTemporaryDir dir;
        const std::string settings = QFile::encodeName(dir.filePath("Anna.ini")).toStdString();
        TCourse course(ParseCourseFile((DataFile("curs.txt") + addedStep).toStdString(), "curs.txt"),
                       ReadWordList(TECLARIUM_DATA_DIR "/paraules.txt"));
        const TKeyCharsList keys = Keys(keyboard);
        course.SetKeyboard(keys, courseKeyboard);
        const TCourseTarget target{150, 95};
        course.Load(settings, target);
        QCOMPARE(QString::fromStdString(course.LessonProblem()), refused);
        if (!refused.isEmpty()) {
            QVERIFY(course.Steps().empty());
            QVERIFY(course.Lesson(30, 1).empty());
            return;
        }
        QVERIFY(course.Steps().size() >= 30);
        QStringList skippedSteps;
        for (const std::string& step : course.SkippedSteps()) skippedSteps << FromAnsi(step);
        QCOMPARE(skippedSteps, skipped);

        TDrillFixture f;
        TDrillRecorder recorder;
        recorder.SetHistoryFile(HistoryFileName(settings));
        recorder.SetSource(kCourseSource);
        f.Drill.SetObserver(&recorder);
        const double secondsPerPress = 60.0 / (target.Speed * pace);
        std::mt19937 slips(7);
        std::bernoulli_distribution slip(wrongShare);
        std::uint32_t seed = 1;
        int lessons = 0, unlocks = 0;
        // The last step is earned too: the course is done when its keys are at the target.
        while (!course.Finished() && lessons < kMaxLessonsPerStep) {
            QVERIFY(!course.StepLine().contains(QString::fromUtf8("Ja heu après")));
            const std::vector<std::string> words = course.Lesson(30, seed++);
            QCOMPARE(words.size(), std::size_t(30));
            for (const std::string& word : words)
                for (char c : word)
                    QVERIFY2(CanType(keys, static_cast<unsigned char>(c)), qPrintable(FromAnsi(word)));
            f.Start(words);
            std::string shownAhead;
            for (int typed = 0; f.Drill.DrillRunning() && typed < 100; ++typed) {
                const std::string word = f.Drill.CurrentWord();
                if (word != shownAhead) f.Clock.Advance(kReadingSeconds);
                shownAhead = f.Drill.ToNextWrite();
                for (char c : word + ' ') {
                    const auto ch = static_cast<unsigned char>(c);
                    if (c != ' ' && slip(slips)) {  // a wrong key, then the right one
                        f.Clock.Advance(secondsPerPress);
                        f.Key(ch == 'k' ? 'j' : 'k');
                    }
                    f.Clock.Advance(secondsPerPress * KeyPresses(keys, ch));
                    f.Key(ch);
                }
            }
            QVERIFY(!f.Drill.DrillRunning());
            course.Load(settings, target);
            const std::size_t before = course.LearnedSteps();
            ++lessons;
            if (course.NextChars().empty() || course.UnlockIfDue().empty()) continue;
            QVERIFY(course.LearnedSteps() > before);
            ++unlocks;
            lessons = 0;
        }
        if (!finishes) {
            QCOMPARE(course.LearnedSteps(), std::size_t(1));
            return;
        }
        QString behind;  // the keys that kept the step locked
        for (char c : course.Learned())
            if (!AtTarget(course.Stats()[static_cast<unsigned char>(c)], target))
                behind += CharsText(std::string(1, c)) + QLatin1Char(' ');
        QVERIFY2(course.Finished(), qPrintable(course.StepLine() + QStringLiteral(" / ") + behind));
        // Each step but the first and those passed by took an unlock of its own.
        QCOMPARE(std::size_t(unlocks), course.Steps().size() - 1 - skipped.size());
        QVERIFY(course.StepLine().endsWith(QString::fromUtf8("Ja heu après totes les tecles del curs.")));
    }
};

QTEST_GUILESS_MAIN(TestCourseTyped)
#include "tst_course_typed.moc"
