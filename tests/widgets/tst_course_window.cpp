// The course through the menu, offscreen: a new user's first lesson holds only the
// first step's characters; a lesson typed at the target unlocks the next step,
// which the window says and keeps.
#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "course/ui/course_window.h"
#include "drill/ui/typing_edit.h"
#include "shell/typewriting_window.h"
#include "widget_test_support.h"

using namespace teclarium;
using namespace teclarium::test;

namespace {

class TSetClock final : public TClock {
  public:
    double Now() const override { return FNow; }
    double FNow = 46000.5;
};

}  // namespace

class TestCourseWindow : public QObject {
    Q_OBJECT

  private slots:
    void lessonAndUnlock() {
        TTestFolder folder;
        folder.Write("curs.txt", "; prova\r\nfjdksla\tFila base\r\neh\tE i H\r\n");
        folder.Write("paraules.txt", "sala\r\nfalda\r\ndalla\r\nhelena\r\nfalla\r\nseda\r\n");
        // Ten earlier keys of each home-row character at 200 keys a minute.
        QByteArray counts = "{", times = "{";
        for (char c : std::string("adfjkls")) {
            counts += QByteArray(1, c) + "=11/0 ";
            times += QByteArray(1, c) + "=3000:10 ";
        }
        counts.chop(1);
        times.chop(1);
        folder.Write("Teclarium.hist", "2026-12-07 10:44:14\tcurs\t3\t77\t0\t0\t12.5\t0.0\t4.1\t14.4\t48\t" +
                                           counts + "}\t" + times + "}\r\n");
        TSetClock clock;
        TFTypewriting w(TWindowPlatform{&clock, nullptr});
        w.show();
        w.MI_F_Course->trigger();
        auto* course = w.findChild<TFCourse*>();
        QVERIFY(course && course->isVisible());
        QCOMPARE(course->TW_Keys->rowCount(), 7);
        QVERIFY(course->BB_StartLesson->isDefault());

        course->BB_StartLesson->click();
        QVERIFY(w.Drill().FDrillRunning);
        const std::vector<std::string> words = w.Drill().FWordList.ToVector();
        QCOMPARE(int(words.size()), 30);
        for (const std::string& word : words)
            QVERIFY2(word.find_first_not_of("fjdksla") == std::string::npos, word.c_str());

        // Typed without a mistake at 200 keys a minute; the report closes.
        TDialogAnswers answers;
        answers.Expect([](QDialog&) { return int(QDialog::Accepted); });
        for (const std::string& word : words) {
            for (char c : word) {
                clock.FNow += 0.3 * kSecond;
                TypeText(w.Edit, QString(QLatin1Char(c)));
            }
            clock.FNow += 0.3 * kSecond;
            PressKey(w.Edit, Qt::Key_Space, QStringLiteral(" "));
        }
        QVERIFY(!w.Drill().FDrillRunning);
        QCOMPARE(answers.Shown(), 1);
        QVERIFY2(course->L_Status->text().contains(QString::fromUtf8("Nova tecla: e h")),
                 qPrintable(course->L_Status->text()));
        QCOMPARE(course->Course().Learned(), std::string("fjdkslaeh"));
        QCOMPARE(course->TW_Keys->rowCount(), 9);
        QFile state(folder.Path("Teclarium.curs"));
        QVERIFY(state.open(QIODevice::ReadOnly));
        QVERIFY(state.readAll().contains("apreses=fjdkslaeh"));
    }
};

QTEST_MAIN(TestCourseWindow)
#include "tst_course_window.moc"
