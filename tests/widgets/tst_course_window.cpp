// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The course through the menu, offscreen: a new user's first lesson holds only the
// first step's characters; a lesson typed at the target unlocks the next step,
// which the window says and keeps; lessons typed fast unlock the capitals; the
// window's mnemonics, Tab order, key names, colours and columns; the learner's
// focus chosen on the keyboard; the report offering the next lesson.
#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include <algorithm>

#include "colour_vision.h"
#include "course/course_file.h"
#include "course/course_state.h"
#include "course/ui/course_keyboard.h"
#include "course/ui/course_window.h"
#include "course_history.h"
#include "drill/ui/font_message_dialog.h"
#include "drill/ui/typing_edit.h"
#include "keyboard/ui/key_panel.h"
#include "progress/drill_record.h"
#include "progress/history_file.h"
#include "progress/ui/heat_keyboard.h"
#include "shell/typewriting_window.h"
#include "util/codec.h"
#include "widget_test_support.h"

using namespace teclarium;
using namespace teclarium::test;

namespace {

class TSetClock final : public TClock {
  public:
    double Now() const override { return FNow; }
    double FNow = 46000.5;
};

// The shipped data files, and a state learned through step count of the shipped order.
void ShippedCourse(TTestFolder& folder, std::size_t count) {
    for (const char* name : {"curs.txt", "paraules.txt"}) {
        QFile file(QStringLiteral(TECLARIUM_DATA_DIR "/") + name);
        QVERIFY(file.open(QIODevice::ReadOnly));
        folder.Write(name, file.readAll());
    }
    const TCourseFile order = ReadCourseFile(TECLARIUM_DATA_DIR "/curs.txt");
    folder.Write("Teclarium.curs", QByteArray::fromStdString(CourseStateText(StepChars(order.Steps, count))));
}

// Types the drill's words at 200 keys a minute, a Space after each.
void TypeLesson(TFTypewriting& w, TSetClock& clock) {
    for (const std::string& word : w.Drill().WordList().ToVector()) {
        for (char c : word) {
            clock.FNow += 0.3 * kSecond;
            TypeText(Child<TTypingEdit>(w, "Edit"), QString(FromAnsiChar(static_cast<unsigned char>(c))));
        }
        clock.FNow += 0.3 * kSecond;
        PressKey(Child<TTypingEdit>(w, "Edit"), Qt::Key_Space, QStringLiteral(" "));
    }
}

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
        Child<QAction>(w, "MI_F_Course")->trigger();
        auto* course = w.findChild<TFCourse*>();
        QVERIFY(course && course->isVisible());
        QCOMPARE(course->TW_Keys->rowCount(), 7);
        QVERIFY(course->BB_StartLesson->isDefault());

        course->BB_StartLesson->click();
        QVERIFY(w.Drill().DrillRunning());
        QCOMPARE(Child<QGroupBox>(w, "GB_Type")->title(),
                 QString::fromUtf8("Tipus: lliçó del curs"));  // the lesson's source
        const std::vector<std::string> words = w.Drill().WordList().ToVector();
        QCOMPARE(int(words.size()), 30);
        for (const std::string& word : words)
            QVERIFY2(word.find_first_not_of("fjdksla") == std::string::npos, word.c_str());

        // Typed without a mistake at 200 keys a minute; the report closes.
        TDialogAnswers answers;
        answers.Expect([](QDialog&) { return int(QDialog::Accepted); });
        for (const std::string& word : words) {
            for (char c : word) {
                clock.FNow += 0.3 * kSecond;
                TypeText(Child<TTypingEdit>(w, "Edit"), QString(QLatin1Char(c)));
            }
            clock.FNow += 0.3 * kSecond;
            PressKey(Child<TTypingEdit>(w, "Edit"), Qt::Key_Space, QStringLiteral(" "));
        }
        QVERIFY(!w.Drill().DrillRunning());
        QCOMPARE(answers.Shown(), 1);
        QVERIFY2(course->L_Status->text().contains(QString::fromUtf8("Noves tecles: e h")),
                 qPrintable(course->L_Status->text()));
        QCOMPARE(course->Course().Learned(), std::string("fjdkslaeh"));
        QCOMPARE(course->TW_Keys->rowCount(), 9);
        QFile state(folder.Path("Teclarium.curs"));
        QVERIFY(state.open(QIODevice::ReadOnly));
        QVERIFY(state.readAll().contains("apreses=fjdkslaeh"));
    }

    // The certificate is offered once the course is finished, every step learned
    // and every key at the target, and not before.
    void certificateOnceFinished_data() {
        QTest::addColumn<QByteArray>("learned");
        QTest::addColumn<bool>("finished");
        QTest::newRow("every step") << QByteArray("fjdkslaeh") << true;
        QTest::newRow("the last step to learn") << QByteArray("fjdksla") << false;
    }
    void certificateOnceFinished() {
        QFETCH(QByteArray, learned);
        QFETCH(bool, finished);
        TTestFolder folder;
        folder.Write("curs.txt", kTwoStepCourse);
        folder.Write("paraules.txt", "sala\r\nfalda\r\nhelena\r\n");
        folder.Write("Teclarium.hist", CourseHistory());
        folder.Write("Teclarium.curs", QByteArray::fromStdString(CourseStateText(learned.toStdString())));
        TFTypewriting w;
        w.show();
        Child<QAction>(w, "MI_F_Course")->trigger();
        auto* course = w.findChild<TFCourse*>();
        QVERIFY(course);
        QCOMPARE(
            course->L_Step->text().contains(QString::fromUtf8("Ja heu après totes les tecles del curs.")),
            finished);
        QCOMPARE(course->BB_Certificate->isHidden(), !finished);
        if (!finished) return;
        QTemporaryDir out;
        TDialogAnswers answers;
        answers.Expect([&](QDialog& dialog) {
            auto* files = qobject_cast<QFileDialog*>(&dialog);
            if (!files) return int(QDialog::Rejected);
            files->setDirectory(out.path());
            files->selectFile(QStringLiteral("certificat"));
            QMetaObject::invokeMethod(files, "accept");
            return files->result();
        });
        course->BB_Certificate->click();
        QVERIFY(answers.AllAnswered());
        QFile pdf(out.filePath("certificat.pdf"));  // the suffix added
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.readAll().startsWith("%PDF"));
    }

    // With every key before it at the target, lessons typed fast through the window
    // unlock the capitals' step and then the next: a capital first in a word is
    // timed from the Space before it. The report says what unlocked.
    void capitalsUnlockByTyping() {
        TTestFolder folder;
        ShippedCourse(folder, 28);
        const TCourseFile order = ReadCourseFile(TECLARIUM_DATA_DIR "/curs.txt");
        QVERIFY(order.Steps[25].Chars.starts_with("ASD"));
        TDrillRecord record;  // 30 keys of each at 200 keys a minute, in byte order as written
        record.When = 1765104254;
        record.Source = "curs";
        record.Words = 3;
        std::string learned = StepChars(order.Steps, 25);
        std::sort(learned.begin(), learned.end(), [](char a, char b) {
            return static_cast<unsigned char>(a) < static_cast<unsigned char>(b);
        });
        for (char c : learned) record.Chars.push_back({static_cast<unsigned char>(c), 30, 0, 30, 9000});
        std::string history(kHistoryHeader);
        history.append("\r\n").append(FormatRecord(record)).append("\r\n");
        folder.Write("Teclarium.hist", QByteArray::fromStdString(history));
        TSetClock clock;
        TFTypewriting w(TWindowPlatform{&clock, nullptr});
        w.show();
        Child<QAction>(w, "MI_F_Course")->trigger();
        auto* course = w.findChild<TFCourse*>();
        QVERIFY(course);
        QCOMPARE(QString::fromStdString(course->Course().LessonProblem()), QString());
        QCOMPARE(course->Course().LearnedSteps(), std::size_t(28));
        // a at the target keeps its colour while its capital A is new.
        QCOMPARE(course->P_CourseKeyboard->Panel(65)->palette().color(QPalette::Button),
                 ScaleColour(0, false));
        TDialogAnswers answers;
        int lessons = 0;
        while (course->Course().LearnedSteps() == 28 && lessons < 8) {
            answers.Expect([](QDialog&) { return int(mrNo); });
            course->BB_StartLesson->click();
            QVERIFY(w.Drill().DrillRunning());
            TypeLesson(w, clock);
            QVERIFY(!w.Drill().DrillRunning());
            ++lessons;
        }
        QCOMPARE(course->Course().LearnedSteps(), std::size_t(29));
        // The report names each new key with its finger and row, which a screen reader reads with it.
        QVERIFY2(answers.Texts.back().contains(QString::fromUtf8("Nova tecla: À, ")) &&
                     answers.Texts.back().contains(QString::fromUtf8(". Nova tecla: É, ")),
                 qPrintable(answers.Texts.back()));
        QVERIFY(answers.Texts.back().endsWith(QString::fromUtf8("Voleu fer la lliçó següent?")));
        QVERIFY(course->L_Status->text().contains(QString::fromUtf8("Noves tecles: À È É")));
        // Answered Yes, the report starts the next lesson.
        answers.Expect([](QDialog&) { return int(mrYes); });
        course->BB_StartLesson->click();
        QVERIFY(!course->L_Status->text().contains(QStringLiteral("Noves tecles")));  // until the next lesson
        TypeLesson(w, clock);
        QTRY_VERIFY(w.Drill().DrillRunning());
    }

    // Each button and labelled box has its own mnemonic, Tab runs through the buttons
    // as shown, every key has a name, the colours follow the palette, and the
    // table's columns are all in sight.
    void windowForEveryLearner() {
        TTestFolder folder;
        ShippedCourse(folder, 18);  // "àè" is next: its dead key is marked
        TSetClock clock;
        TFTypewriting w(TWindowPlatform{&clock, nullptr});
        w.show();
        Child<QAction>(w, "MI_F_Course")->trigger();
        auto* course = w.findChild<TFCourse*>();
        QVERIFY(course);
        QString letters;
        for (const QAbstractButton* b : course->findChildren<QAbstractButton*>()) {
            const int at = b->text().indexOf(QLatin1Char('&'));
            if (at >= 0) letters += b->text().at(at + 1).toLower();
        }
        for (const QLabel* l : course->findChildren<QLabel*>()) {
            const int at = l->text().indexOf(QLatin1Char('&'));
            if (at >= 0 && l->buddy()) letters += l->text().at(at + 1).toLower();
        }
        QCOMPARE(letters.size(), 9);
        for (QChar c : letters) QVERIFY2(letters.count(c) == 1, qPrintable(letters));

        QList<QWidget*> chain;
        for (QWidget* at = course->BB_StartLesson->nextInFocusChain(); at != course->BB_StartLesson;
             at = at->nextInFocusChain())
            if (qobject_cast<QPushButton*>(at) && at->window() == course) chain << at;
        QCOMPARE(chain, (QList<QWidget*>{course->BB_LearnNext, course->BB_Restart, course->BB_AutoFocus,
                                         course->BB_Certificate, course->BB_Close}));

        TKeyPanel* f = course->P_CourseKeyboard->Panel(70);
        TKeyPanel* enye = course->P_CourseKeyboard->Panel(192);
        TKeyPanel* grave = course->P_CourseKeyboard->Panel(186);
        QCOMPARE(f->accessibleName(), QString::fromUtf8("f: apresa, encara sense mesurar"));
        QCOMPARE(enye->accessibleName(), QString::fromUtf8("ñ: encara no s'ha après"));
        QCOMPARE(grave->accessibleName(),
                 QString::fromUtf8("`: la tecla morta de à è, la tecla següent del curs"));
        QVERIFY(grave->Emphasis());
        // The one key that holds the course back, said once and first in the table.
        QVERIFY2(
            course->L_Status->text().startsWith(QString::fromUtf8("La tecla w necessita 10 pulsacions més.")),
            qPrintable(course->L_Status->text()));
        QCOMPARE(course->TW_Keys->item(0, 0)->text(), QStringLiteral("w"));
        QCOMPARE(course->TW_Keys->item(0, 4)->text(), QString::fromUtf8("necessita 10 pulsacions més"));
        QCOMPARE(f->palette().color(QPalette::Button), CourseColours(false).Untimed);
        QCOMPARE(grave->palette().color(QPalette::Button), CourseColours(false).Next);
        folder.Write("Teclarium.ini", "[Options]\r\nMkLink=0\r\nColourBlind=1\r\n");
        w.LoadSettings();
        course->Reload();
        QCOMPARE(grave->palette().color(QPalette::Button), CourseColours(true).Next);
        QVERIFY(CourseColours(true).Next != CourseColours(false).Next);
        QVERIFY(CourseColours(true).Outline != CourseColours(false).Outline);

        QTest::qWait(0);
        QHeaderView* header = course->TW_Keys->horizontalHeader();
        QVERIFY2(
            header->length() <= course->TW_Keys->viewport()->width(),
            qPrintable(
                QStringLiteral("%1 > %2").arg(header->length()).arg(course->TW_Keys->viewport()->width())));
    }

    // A click on a learned key, or its character typed on the course keyboard, makes
    // it the focus, kept in the state; "Tria automàtica" gives it back; a screen reader's
    // press does what a click does. A key not learned is no focus.
    void focusChosenByTheLearner() {
        TTestFolder folder;
        ShippedCourse(folder, 2);
        TSetClock clock;
        TFTypewriting w(TWindowPlatform{&clock, nullptr});
        w.show();
        Child<QAction>(w, "MI_F_Course")->trigger();
        auto* course = w.findChild<TFCourse*>();
        QVERIFY(course);
        QVERIFY(!course->BB_AutoFocus->isEnabled());
        QTest::mouseClick(course->P_CourseKeyboard->Panel(70), Qt::LeftButton);  // f
        QCOMPARE(course->Course().Focus(), 'f');
        QVERIFY(course->BB_AutoFocus->isEnabled());
        QTest::mouseClick(course->P_CourseKeyboard->Panel(69), Qt::LeftButton);  // e, not learned
        QCOMPARE(course->Course().Focus(), 'f');
        QAccessibleInterface* d = QAccessible::queryAccessibleInterface(course->P_CourseKeyboard->Panel(68));
        QVERIFY(d && d->actionInterface());
        d->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(course->Course().ChosenFocus(), 'd');
        TypeText(course->P_CourseKeyboard, QStringLiteral("j"));
        QCOMPARE(course->Course().ChosenFocus(), 'j');
        QFile state(folder.Path("Teclarium.curs"));
        QVERIFY(state.open(QIODevice::ReadOnly));
        QVERIFY(state.readAll().contains("focus=j"));
        state.close();
        course->BB_AutoFocus->click();
        QCOMPARE(course->Course().ChosenFocus(), 0);
        QVERIFY(state.open(QIODevice::ReadOnly));
        QVERIFY(!state.readAll().contains("focus="));
    }

    // Under the colour-blind palette a key that is next, or learned without a timed
    // press, stays apart from every colour of the closeness scale, and the states
    // from each other, also under simulated deuteranopia and protanopia (ΔE76 >= 20).
    void colourBlindStatesStayApart_data() {
        QTest::addColumn<QColor>("state");
        QTest::addColumn<QColor>("other");
        const TCourseColours& c = CourseColours(true);
        for (int i = 0; i <= 20; ++i) {
            const QColor scale = ScaleColour(i / 20.0, true);
            QTest::addRow("next / scale %d %%", i * 5) << c.Next << scale;
            QTest::addRow("untimed / scale %d %%", i * 5) << c.Untimed << scale;
        }
        QTest::newRow("next / untimed") << c.Next << c.Untimed;
        QTest::newRow("next / locked") << c.Next << c.Locked;
        QTest::newRow("untimed / locked") << c.Untimed << c.Locked;
    }
    void colourBlindStatesStayApart() {
        QFETCH(QColor, state);
        QFETCH(QColor, other);
        const double d = LeastDifference(state, other);
        QVERIFY2(d >= 20.0, qPrintable(QStringLiteral("ΔE %1").arg(d, 0, 'f', 1)));
    }

    // The course window opens beside the main window, never over it while the
    // screen has room on one side, and never over the typing field.
    void besideTheMainWindow_data() {
        QTest::addColumn<QRect>("main");
        QTest::addColumn<QRect>("field");
        QTest::addColumn<QRect>("at");
        const QRect field(320, 100, 900, 40);
        QTest::newRow("room on the right")
            << QRect(100, 50, 600, 500) << QRect(120, 150, 500, 40) << QRect(708, 50, 500, 400);
        QTest::newRow("room on the left only")
            << QRect(800, 50, 600, 500) << QRect(820, 150, 500, 40) << QRect(292, 50, 500, 400);
        QTest::newRow("no room beside: below")
            << QRect(300, 0, 1200, 300) << field << QRect(300, 308, 500, 400);
        QTest::newRow("no room at all: at the bottom")
            << QRect(300, 0, 1200, 900) << field << QRect(300, 680, 500, 400);
        QTest::newRow("the field low: above it")
            << QRect(300, 0, 1200, 1080) << QRect(320, 700, 900, 40) << QRect(300, 292, 500, 400);
        QTest::newRow("no room above nor below: below it, shortened")
            << QRect(300, 0, 1200, 1080) << QRect(320, 380, 900, 300) << QRect(300, 688, 500, 392);
        QTest::newRow("no room above nor below: above it, shortened")
            << QRect(300, 0, 1200, 1080) << QRect(320, 400, 900, 300) << QRect(300, 0, 500, 392);
    }
    void besideTheMainWindow() {
        QFETCH(QRect, main);
        QFETCH(QRect, field);
        QFETCH(QRect, at);
        const QRect room(0, 0, 1600, 1080);
        const QRect placed = BesideGeometry(main, field, QSize(500, 400), room);
        QCOMPARE(placed, at);
        QVERIFY(room.contains(placed) && !placed.intersects(field));
        if (room.width() >= main.width() + 508) QVERIFY(!placed.intersects(main));
    }

    // An open window follows a keyboard chosen in the options: its keys, the order
    // refused on the order's own keyboard only, and the note about a step passed by.
    void followsTheKeyboard_data() {
        QTest::addColumn<QByteArray>("step");       // after the home row
        QTest::addColumn<QString>("before");        // in the status on the key mapping file
        QTest::addColumn<QStringList>("onFrench");  // in the status once French is chosen
        QTest::addColumn<bool>("lessonBefore");     // a lesson can be started
        QTest::newRow("a sign on no Spanish key: refused, then typed on French")
            << QByteArray("\xA9\tCopyright\r\n")
            << QString::fromUtf8("cap tecla del teclat no escriu el caràcter ©")
            << QStringList{QString::fromUtf8("Tecla següent: ©")} << false;
        QTest::newRow("letters French cannot type: their step is passed by")
            << QByteArray("\xF1\xD1\tEnya\r\n") << QString::fromUtf8("Tecla següent: ñ Ñ")
            << QStringList{QString::fromUtf8("Pas 1 de 2: Fila base. És l'últim pas"),
                           QString::fromUtf8("El teclat Francès no pot escriure ñ Ñ: aquest pas se salta.")}
            << true;
    }
    void followsTheKeyboard() {
        QFETCH(QByteArray, step);
        QFETCH(QString, before);
        QFETCH(QStringList, onFrench);
        QFETCH(bool, lessonBefore);
        TTestFolder folder;
        folder.Write("curs.txt", "fjdksla\tFila base\r\n" + step);
        folder.Write("paraules.txt", "sala\r\nfalda\r\n");
        TFTypewriting w;
        w.show();
        Child<QAction>(w, "MI_F_Course")->trigger();
        auto* course = w.findChild<TFCourse*>();
        QVERIFY(course);
        const auto status = [&] {
            return course->L_Step->text() + QLatin1Char('\n') + course->L_Status->text();
        };
        QVERIFY2(status().contains(before), qPrintable(status()));
        QCOMPARE(course->BB_StartLesson->isEnabled(), lessonBefore);
        QCOMPARE(course->P_CourseKeyboard->Panel(48)->Caption(), QStringLiteral("0"));

        w.Layout().SetKeyboardChoice("fr");
        for (const QString& text : onFrench) QVERIFY2(status().contains(text), qPrintable(status()));
        QVERIFY2(!status().contains(before), qPrintable(status()));
        QVERIFY(course->BB_StartLesson->isEnabled());
        QCOMPARE(course->P_CourseKeyboard->Panel(48)->Caption(), QString::fromUtf8("à"));
        QTRY_VERIFY(course->P_CourseKeyboard->isVisible());

        w.Layout().SetKeyboardChoice("");
        QVERIFY2(status().contains(before), qPrintable(status()));
        QCOMPARE(course->P_CourseKeyboard->Panel(48)->Caption(), QStringLiteral("0"));
    }
};

QTEST_MAIN(TestCourseWindow)
#include "tst_course_window.moc"
