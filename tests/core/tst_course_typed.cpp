// The shipped course typed from its first step through the real drill with a set
// clock, lesson after lesson: right keys faster than the target unlock every step
// within a few lessons up to the end; slower ones unlock nothing.
#include <QTemporaryDir>
#include <QTest>

#include "course/course.h"
#include "course/course_texts.h"
#include "drill_fixture.h"
#include "progress/drill_recorder.h"
#include "progress/history_file.h"

using namespace teclarium;
using namespace teclarium::test;

class TestCourseTyped : public QObject {
    Q_OBJECT

  private slots:
    void wholeCourse_data() {
        QTest::addColumn<double>("pace");  // share of the target speed
        QTest::addColumn<bool>("finishes");
        QTest::newRow("at 1.3 times the target every step unlocks") << 1.3 << true;
        QTest::newRow("at 0.8 times the target nothing unlocks") << 0.8 << false;
    }
    void wholeCourse() {
        QFETCH(double, pace);
        QFETCH(bool, finishes);
        constexpr int kMaxLessonsPerStep = 8;
        QTemporaryDir dir;
        const std::string settings = QFile::encodeName(dir.filePath("Anna.ini")).toStdString();
        TCourse course(ReadCourseFile(TECLARIUM_DATA_DIR "/curs.txt"),
                       ReadWordList(TECLARIUM_DATA_DIR "/paraules.txt"));
        const TCourseTarget target{150, 95};
        course.Load(settings, target);
        QVERIFY(course.Steps().size() >= 30);

        TDrillFixture f;
        TDrillRecorder recorder;
        recorder.SetHistoryFile(HistoryFileName(settings));
        recorder.SetSource(kCourseSource);
        f.Drill.SetObserver(&recorder);
        const double secondsPerKey = 60.0 / (target.Speed * pace);
        std::uint32_t seed = 1;
        int lessons = 0;
        while (!course.NextChars().empty() && lessons < kMaxLessonsPerStep) {
            const std::vector<std::string> words = course.Lesson(30, seed++);
            QCOMPARE(words.size(), std::size_t(30));
            f.Start(words);
            for (const std::string& word : words) {
                for (char c : word + ' ') {
                    f.Clock.Advance(secondsPerKey);
                    f.Key(static_cast<unsigned char>(c));
                }
            }
            QVERIFY(!f.Drill.FDrillRunning);
            course.Load(settings, target);
            const std::size_t before = course.LearnedSteps();
            ++lessons;
            if (course.UnlockIfDue().empty()) continue;
            QCOMPARE(course.LearnedSteps(), before + 1);
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
        QVERIFY2(course.NextChars().empty(), qPrintable(course.StepLine() + QStringLiteral(" / ") + behind));
        QVERIFY(course.StepLine().endsWith(QString::fromUtf8("Ja heu après totes les tecles del curs.")));
    }
};

QTEST_GUILESS_MAIN(TestCourseTyped)
#include "tst_course_typed.moc"
