// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// A drill in the real window, offscreen: typing into the real field, the labels,
// the report dialog.
#include <functional>

#include <QCheckBox>
#include <QClipboard>
#include <QDialog>
#include <QInputMethodEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include "drill/ui/typing_edit.h"
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

struct TWindowFixture {
    TTestFolder Folder{{"KeyMapping.txt", "CharsToType.txt", "11.tcm"}};  // activation reads them
    TSetClock Clock;
    TFTypewriting Window{TWindowPlatform{&Clock, nullptr}};

    // Words as Windows-1252 bytes, like the sources deliver them.
    void Start(const QStringList& words) {
        Window.Drill().SetWordList(AnsiWords(words));
        Window.StartDrill();
    }
    QLineEdit* Edit() { return Child<TTypingEdit>(Window, "Edit"); }
};

}  // namespace

class TestDrillWidgets : public QObject {
    Q_OBJECT

  private slots:
    void newWindowStartsAtDefaultOptions() {
        TWindowFixture f;
        TFTypewriting& w = f.Window;
        QCOMPARE(w.windowTitle(), QString("Teclarium"));
        const QList<std::pair<QSpinBox*, int>> spins = {{Child<QSpinBox>(w, "SE_CharsCount"), 3},
                                                        {Child<QSpinBox>(w, "SE_WordsCount"), 6},
                                                        {Child<QSpinBox>(w, "SE_RepeatLine"), 3},
                                                        {Child<QSpinBox>(w, "SE_EditFontSize"), 16},
                                                        {Child<QSpinBox>(w, "SE_VKFontSize"), 13}};
        for (auto [box, value] : spins) QCOMPARE(box->value(), value);
        QCOMPARE(Child<QWidget>(w, "P_VirtualKeyboard")->size(), QSize(383, 129));
        const QList<std::pair<QCheckBox*, bool>> checks = {{Child<QCheckBox>(w, "CB_RepeatWord"), false},
                                                           {Child<QCheckBox>(w, "CB_RepeatWrongWord"), true},
                                                           {Child<QCheckBox>(w, "CB_ShowIncorrectKey"), true},
                                                           {Child<QCheckBox>(w, "CB_ShowKeyboard"), true},
                                                           {Child<QCheckBox>(w, "CB_ShowKeyToType"), true},
                                                           {Child<QCheckBox>(w, "CB_WriteWrongChar"), false},
                                                           {Child<QCheckBox>(w, "CB_KBSeparated"), false}};
        for (auto [box, on] : checks) QVERIFY2(box->isChecked() == on, qPrintable(box->objectName()));
    }

    void startShowsTheDrill() {
        TWindowFixture f;
        f.Start({"casa", "gat"});
        QCOMPARE(Child<QLabel>(f.Window, "L_ToWrite")->text(), QString("casa"));
        QCOMPARE(Child<QLabel>(f.Window, "L_ToNextWrite")->text(), QString("gat"));
        QCOMPARE(Child<QLabel>(f.Window, "L_Count")->text(), QString("0"));
        QCOMPARE(Child<QLabel>(f.Window, "L_ErrorsCount")->text(), QString("0"));
        QVERIFY(Child<QLabel>(f.Window, "L_IncorrectKey")->text().isEmpty());
        QVERIFY(!Child<QLabel>(f.Window, "L_TypeEsc")->isHidden());
        QVERIFY(Child<QPushButton>(f.Window, "BB_Hide")->isHidden());
        QVERIFY(!Child<QSpinBox>(f.Window, "SE_RepeatLine")->isEnabled());
        QVERIFY(!Child<QLabel>(f.Window, "L_RepeatLine")->isEnabled());
    }

    void typingIsJudged() {
        TWindowFixture f;
        Child<QCheckBox>(f.Window, "CB_RepeatWrongWord")->setChecked(false);
        f.Start({"casa", "gat"});
        TypeText(f.Edit(), "caxsa");
        QCOMPARE(f.Edit()->text(), QString("casa"));
        QCOMPARE(Child<QLabel>(f.Window, "L_ErrorsCount")->text(), QString("1"));
        TypeText(f.Edit(), "x");
        QCOMPARE(Child<QLabel>(f.Window, "L_IncorrectKey")->text(), QString("x"));
        TypeText(f.Edit(), " ");
        QCOMPARE(Child<QLabel>(f.Window, "L_ToWrite")->text(), QString("gat"));
        QVERIFY(Child<QLabel>(f.Window, "L_IncorrectKey")->text().isEmpty());
        QVERIFY(f.Edit()->text().isEmpty());
    }

    // Labels without a buddy show "&" as it is, not as an accelerator mark.
    void ampersandShowsAsItself() {
        TWindowFixture f;
        f.Start({"a&b", "c&"});
        QCOMPARE(Child<QLabel>(f.Window, "L_ToWrite")->text(), QString("a&b"));
        QCOMPARE(Child<QLabel>(f.Window, "L_ToNextWrite")->text(), QString("c&"));
        QVERIFY(!Child<QLabel>(f.Window, "L_ToWrite")->buddy() &&
                !Child<QLabel>(f.Window, "L_ToNextWrite")->buddy());
        QLabel twoLetters("ab");
        twoLetters.setFont(Child<QLabel>(f.Window, "L_ToWrite")->font());
        QVERIFY(Child<QLabel>(f.Window, "L_ToWrite")->sizeHint().width() > twoLetters.sizeHint().width());
    }

    void nextWordFollowsCurrentOne() {
        TWindowFixture f;
        f.Window.MeasureCharWidth();
        f.Start({"casa", "gat"});
        QCOMPARE(
            Child<QLabel>(f.Window, "L_ToNextWrite")->x(),
            Child<QLabel>(f.Window, "L_ToWrite")->x() + 5 * CharCell(Child<QLabel>(f.Window, "L_ToWrite")));
    }

    void accentedLettersFromCommitsAndKeys() {
        TWindowFixture f;
        f.Start({"déu", "això"});
        TypeText(f.Edit(), "d");
        QInputMethodEvent commit;
        commit.setCommitString(QString::fromUtf8("é"));
        QApplication::sendEvent(f.Edit(), &commit);
        QCOMPARE(f.Edit()->text(), QString::fromUtf8("dé"));
        TypeText(f.Edit(), "u ");
        TypeText(f.Edit(), QString::fromUtf8("això"));
        QCOMPARE(f.Edit()->text(), QString::fromUtf8("això"));
        QCOMPARE(f.Window.Drill().CorrectKeys(), 7);
        QCOMPARE(f.Window.Drill().ErrorCount(), 0);
    }

    void fieldChangesOnlyThroughJudgedKeys_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::newRow("paste") << int(Qt::Key_V) << int(Qt::ControlModifier) << "\x16";
        QTest::newRow("undo") << int(Qt::Key_Z) << int(Qt::ControlModifier) << "\x1a";
        QTest::newRow("home") << int(Qt::Key_Home) << 0 << "";
        QTest::newRow("left") << int(Qt::Key_Left) << 0 << "";
        QTest::newRow("delete, with the text X11 gives it") << int(Qt::Key_Delete) << 0 << "\x7f";
        QTest::newRow("alt accelerator") << int(Qt::Key_A) << int(Qt::AltModifier) << "a";
    }
    void fieldChangesOnlyThroughJudgedKeys() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        TWindowFixture f;
        QGuiApplication::clipboard()->setText("ab");
        f.Start({"abc"});
        TypeText(f.Edit(), "a");
        f.Edit()->setCursorPosition(0);
        PressKey(f.Edit(), key, text, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(f.Edit()->text(), QString("a"));
        QCOMPARE(f.Window.Drill().CorrectKeys(), 1);
        QCOMPARE(f.Edit()->contextMenuPolicy(), Qt::NoContextMenu);
        QVERIFY(!f.Edit()->acceptDrops());
    }

    // The field draws its frame from a picture: it must look as a line edit of the
    // application's style does, state after state on the same field (never a stale frame).
    void fieldLooksAsALineEditInEveryState() {
        struct TNoHost final : TTypingHost {
            void EditKeyDown(int&) override {}
            void EditKeyPress(unsigned char&) override {}
        } host;
        QWidget window;
        QPushButton elsewhere("x", &window);
        TTypingEdit typing(host, &window);
        QLineEdit plain(&window);
        const QList<QLineEdit*> edits{&typing, &plain};
        for (QLineEdit* edit : edits) {
            edit->setGeometry(0, 30, 162, 36);
            edit->setText("fj");
        }
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        // Each field grabbed in the state given to it just before.
        const auto same = [&](const std::function<void(QLineEdit*)>& state) {
            QList<QImage> looks;
            for (QLineEdit* edit : edits) {
                state(edit);
                looks << edit->grab().toImage();
            }
            return looks[0] == looks[1];
        };
        QVERIFY(same([](QLineEdit*) {}));
        QVERIFY(same([](QLineEdit* edit) { edit->setFocus(); }));
        QVERIFY(same([&](QLineEdit*) { elsewhere.setFocus(); }));
        QVERIFY(same([](QLineEdit* edit) { edit->resize(120, 30); }));
        QVERIFY(same([](QLineEdit* edit) { edit->setEnabled(false); }));
    }

    // The compose input method delivers an accented letter as a commit after the dead
    // key's release: each counts as a key-down for the pauses.
    void composedLetterIsTimedAsAKey() {
        TWindowFixture f;
        TDialogAnswers report;
        report.Expect([](QDialog& d) { return ClickButton(d, "OK"); });
        f.Start({QString::fromUtf8("sí")});
        f.Clock.FNow += 1 * kSecond;
        TypeText(f.Edit(), "s");
        f.Clock.FNow += 10 * kSecond;  // 5 s discounted at the dead key
        PressKey(f.Edit(), Qt::Key_Dead_Acute, QString(), Qt::NoModifier, 48);
        f.Clock.FNow += 6 * kSecond;  // 1 s discounted at the letter
        QInputMethodEvent commit;
        commit.setCommitString(QString::fromUtf8("í"));
        QApplication::sendEvent(f.Edit(), &commit);
        QCOMPARE(f.Edit()->text(), QString::fromUtf8("sí"));
        f.Clock.FNow += 1 * kSecond;
        TypeText(f.Edit(), " ");
        QCOMPARE(report.Shown(), 1);
        QVERIFY(qAbs(f.Window.Drill().TotalDiscount() - 6 * kSecond) < 0.001 * kSecond);
    }

    void enterOnTheStartButtonStarts() {
        TWindowFixture f;
        QGuiApplication::clipboard()->setText("hola");
        Child<QRadioButton>(f.Window, "RB_CopyFromClipboard")->setChecked(true);  // starts at once
        QVERIFY(f.Window.Drill().DrillRunning());
        PressKey(f.Edit(), Qt::Key_Escape, "\x1b");  // nothing finished: no report
        QVERIFY(!f.Window.Drill().DrillRunning());
        QTest::keyClick(Child<QPushButton>(f.Window, "BB_Play"), Qt::Key_Return);
        QVERIFY(f.Window.Drill().DrillRunning());
    }

    void keysOutsideDrillAreSwallowed() {
        TWindowFixture f;
        TypeText(f.Edit(), "abc");
        QVERIFY(f.Edit()->text().isEmpty());
    }

    void escapeShowsReportInChosenFont() {
        TWindowFixture f;
        TDialogAnswers answers;
        QString title;
        int pointSize = 0;
        int buttons = 0;
        answers.Expect([&](QDialog& d) {
            title = d.windowTitle();
            pointSize = d.findChild<QLabel*>("Message")->font().pointSize();
            buttons = int(d.findChildren<QPushButton*>().size());
            return ClickButton(d, "OK");
        });
        f.Window.show();
        QVERIFY(QTest::qWaitForWindowActive(&f.Window));
        f.Start({"ab", "cd"});
        Child<QSpinBox>(f.Window, "SE_EditFontSize")->setValue(20);
        f.Clock.FNow += 3 * kSecond;
        TypeText(f.Edit(), "ab x");  // one word done, then a wrong key
        f.Clock.FNow += 3 * kSecond;
        const QString count = Child<QLabel>(f.Window, "L_Count")->text();
        QVERIFY(count != "0");
        QCOMPARE(Child<QLabel>(f.Window, "L_ErrorsCount")->text(), QString("1"));
        PressKey(f.Edit(), Qt::Key_Escape, "\x1b");
        QCOMPARE(answers.Shown(), 1);
        QCOMPARE(answers.Unexpected(), 0);
        QCOMPARE(title, QString::fromUtf8("Informació"));
        QCOMPARE(buttons, 1);
        QCOMPARE(pointSize, 14);  // 20 × 0.7
        QVERIFY2(answers.Texts[0].startsWith(QString::fromUtf8("Ja està:\nheu trigat 6 seg")),
                 qPrintable(answers.Texts[0]));
        QVERIFY(!f.Window.Drill().DrillRunning());
        QVERIFY(Child<QLabel>(f.Window, "L_TypeEsc")->isHidden());
        QVERIFY(!Child<QPushButton>(f.Window, "BB_Hide")->isHidden());
        QVERIFY(Child<QSpinBox>(f.Window, "SE_RepeatLine")->isEnabled());
        QVERIFY(Child<QLabel>(f.Window, "L_ToWrite")->text().isEmpty());
        // The counters keep their values until the next start; the start button has the focus.
        QCOMPARE(Child<QLabel>(f.Window, "L_Count")->text(), count);
        QCOMPARE(Child<QLabel>(f.Window, "L_ErrorsCount")->text(), QString("1"));
        QCOMPARE(f.Window.focusWidget(), Child<QPushButton>(f.Window, "BB_Play"));
    }

    void timeInAnotherProgramIsLeftOut() {
        TWindowFixture f;
        TDialogAnswers answers;
        answers.Expect([](QDialog& d) { return ClickButton(d, "OK"); });
        f.Start({"ab", "cd"});
        f.Clock.FNow += 2 * kSecond;
        TypeText(f.Edit(), "ab ");
        f.Clock.FNow += 1 * kSecond;
        emit qApp->applicationStateChanged(Qt::ApplicationInactive);
        f.Clock.FNow += 120 * kSecond;
        emit qApp->applicationStateChanged(Qt::ApplicationActive);
        f.Clock.FNow += 1 * kSecond;
        TypeText(f.Edit(), "cd ");
        QCOMPARE(answers.Shown(), 1);
        // Neither in the time nor as a pause.
        QVERIFY2(answers.Texts[0].startsWith(QString::fromUtf8("Ja està:\nheu trigat 4 seg")),
                 qPrintable(answers.Texts[0]));
        QVERIFY(!answers.Texts[0].contains("descomptats"));
    }

    void closingShowsPracticeSummaryOnlyAfterADrill() {
        TWindowFixture f;
        {
            TDialogAnswers none;
            f.Window.close();
            QCOMPARE(none.Shown(), 0);
        }
        TDialogAnswers answers;
        answers.Expect([](QDialog& d) { return ClickButton(d, "OK"); });
        f.Start({"ab"});
        f.Clock.FNow += 65 * kSecond;
        PressKey(f.Edit(), Qt::Key_Escape, "\x1b");  // silent: nothing finished
        QCOMPARE(answers.Shown(), 0);
        f.Window.close();
        QCOMPARE(answers.Shown(), 1);
        QCOMPARE(answers.Texts[0], QString::fromUtf8("Heu estat exercitant-vos durant: 5 seg"));
    }

    void optionClickHandsFocusBack() {
        TWindowFixture f;
        f.Window.show();
        QVERIFY(QTest::qWaitForWindowActive(&f.Window));
        f.Start({"casa"});
        TypeText(f.Edit(), "ca");
        f.Edit()->setCursorPosition(0);
        QTest::mouseClick(Child<QCheckBox>(f.Window, "CB_RepeatWord"), Qt::LeftButton);
        QVERIFY(f.Edit()->hasFocus());
        QCOMPARE(f.Edit()->cursorPosition(), 2);
        PressKey(f.Edit(), Qt::Key_Escape, "\x1b");
        QTest::mouseClick(Child<QCheckBox>(f.Window, "CB_RepeatWord"), Qt::LeftButton);
        QVERIFY(!f.Edit()->hasFocus());
    }
};

QTEST_MAIN(TestDrillWidgets)
#include "tst_drill_widgets.moc"
