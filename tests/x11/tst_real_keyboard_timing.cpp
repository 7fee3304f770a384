// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The time of a dead-key letter as a user types it on the real Spanish layout
// (xdotool under Xvfb): it runs from the key before the dead key to the letter.
// The window's clock is set between the keys, so nothing depends on how fast the
// events come.
#include <QFile>
#include <QTest>

#include "drill/ui/typing_edit.h"
#include "real_keyboard.h"
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

}  // namespace

class TestRealKeyboardTiming : public QObject {
    Q_OBJECT

  private slots:
    void deadKeyLetterTime() {
        QCOMPARE(QGuiApplication::platformName(), QString("xcb"));
        TTestFolder folder;
        TSetClock clock;
        TFTypewriting window(TWindowPlatform{&clock, nullptr});
        QVERIFY(ShowFocused(window));
        TKeyPanel* keyA = Panel(window, 65);
        QTRY_COMPARE(keyA->Caption(), QString("a"));

        window.Drill().SetWordList(AnsiWords({"pà"}));
        window.StartDrill();
        QTRY_VERIFY(Child<TTypingEdit>(window, "Edit")->hasFocus());
        QVERIFY(Key("p"));
        QTRY_COMPARE(Child<TTypingEdit>(window, "Edit")->text(), QString("p"));
        clock.FNow += 0.3 * kSecond;
        QVERIFY(Key("dead_grave"));
        QTRY_VERIFY(keyA->Lit());  // the dead key is in: the base letter lights
        clock.FNow += 0.2 * kSecond;
        QVERIFY(Key("a"));
        QTRY_COMPARE(Child<TTypingEdit>(window, "Edit")->text(), QString::fromUtf8("pà"));
        QCOMPARE(int(window.Drill().CorrectKeys()), 2);

        TDialogAnswers answers;
        answers.Expect([](QDialog&) { return int(QDialog::Accepted); });
        clock.FNow += 0.1 * kSecond;
        QVERIFY(Key("space"));
        QTRY_VERIFY(!window.Drill().DrillRunning());
        QFile history(folder.Path("Teclarium.hist"));
        QVERIFY(history.open(QIODevice::ReadOnly));
        const QByteArray text = history.readAll();
        // à's 500 ms: 300 from p to the dead key and 200 from the dead key to the letter.
        QVERIFY2(text.endsWith("\t{\xE0=500:1}\r\n"), text.constData());
    }
};

QTEST_MAIN(TestRealKeyboardTiming)
#include "tst_real_keyboard_timing.moc"
