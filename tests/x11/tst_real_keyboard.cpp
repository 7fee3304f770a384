// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The real window under Xvfb with the Spanish layout, typed with real X key events
// (xdotool): dead keys, Shift, AltGr and Caps Lock as a user types them.
#include <QTest>
#include <memory>

#include "drill/ui/typing_edit.h"
#include "platform/ui/keyboard_state_factory.h"
#include "real_keyboard.h"
#include "util/codec.h"
#include "widget_test_support.h"

using namespace teclarium;
using namespace teclarium::test;

namespace {

// Counts the key presses of one key that reach a widget.
class TKeyCounter : public QObject {
  public:
    explicit TKeyCounter(int key) : FKey(key) {}
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == FKey) ++Presses;
        return false;
    }
    int Presses = 0;

  private:
    int FKey;
};

}  // namespace

class TestRealKeyboard : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void cleanupTestCase();
    void captionsFollowShiftAltGrAndCapsLock();
    void drillOnAccentsAndAltGr();
    void deadKeyWithShiftInEitherReleaseOrder_data();
    void deadKeyWithShiftInEitherReleaseOrder();
    void deadKeyKeptThroughKeysThatTypeNothing_data();
    void deadKeyKeptThroughKeysThatTypeNothing();

  private:
    TKeyPanel* Panel(int code) { return test::Panel(*FWindow, code); }
    TKeyPanel* Special(int number) { return KeyPanel(*FWindow, number); }
    QString LitKeys() { return test::LitKeys(*FWindow); }
    QString Lamps() { return test::Lamps(*FWindow); }
    QString Typed() { return Child<TTypingEdit>(*FWindow, "Edit")->text(); }
    int Correct() { return FWindow->Drill().CorrectKeys(); }
    int Errors() { return FWindow->Drill().ErrorCount(); }

    std::unique_ptr<TTestFolder> FFolder;
    std::unique_ptr<TDialogAnswers> FDialogs;
    std::unique_ptr<TFTypewriting> FWindow;
};

void TestRealKeyboard::initTestCase() {
    QCOMPARE(QGuiApplication::platformName(), QString("xcb"));
    FFolder = std::make_unique<TTestFolder>(QStringList{"KeyMapping.txt", "CharsToType.txt", "11.tcm"});
    FDialogs = std::make_unique<TDialogAnswers>();
    // Caps Lock left on is switched off when the window is created.
    QVERIFY(Key("Caps_Lock"));
    QTRY_VERIFY(CreateKeyboardState()->CapsLockOn());
    FWindow = std::make_unique<TFTypewriting>();
    QVERIFY(!CreateKeyboardState()->CapsLockOn());

    QVERIFY(ShowFocused(*FWindow));
    QCOMPARE(FDialogs->Unexpected(), 0);
    QTRY_COMPARE(Panel(65)->Caption(), QString("a"));  // filled by the first input events
}

void TestRealKeyboard::cleanupTestCase() {
    for (const char* key : {"Shift_L", "ISO_Level3_Shift"}) Up(key);
    if (auto state = CreateKeyboardState()) state->SwitchCapsLockOff();
    FWindow.reset();
    FDialogs.reset();
    FFolder.reset();
}

void TestRealKeyboard::captionsFollowShiftAltGrAndCapsLock() {
    QVERIFY(Down("Shift_L"));
    QTRY_COMPARE(Panel(65)->Caption(), QString("A"));
    QCOMPARE(Panel(49)->Caption(), QString("!"));
    QCOMPARE(Panel(54)->Caption(), QString("&"));
    QVERIFY(Up("Shift_L"));
    QTRY_COMPARE(Panel(65)->Caption(), QString("a"));
    QCOMPARE(Panel(49)->Caption(), QString("1"));

    QVERIFY(Down("ISO_Level3_Shift"));
    QTRY_COMPARE(Panel(50)->Caption(), QString("@"));
    QCOMPARE(Panel(70)->Caption(), QString());
    QCOMPARE(Panel(222)->Caption(), QString("{"));
    QVERIFY(Up("ISO_Level3_Shift"));
    QTRY_COMPARE(Panel(50)->Caption(), QString("2"));

    TKeyPanel* capsLock = Special(kCapsLockKey);
    QVERIFY(!capsLock->Emphasis());
    QVERIFY(Key("Caps_Lock"));
    QTRY_VERIFY(capsLock->Emphasis());
    QVERIFY(capsLock->font().bold());
    QCOMPARE(capsLock->CaptionColour(), QColor(255, 0, 0));
    QCOMPARE(Panel(65)->Caption(), QString("A"));
    QCOMPARE(Panel(191)->Caption(), QString::fromUtf8("Ç"));
    QCOMPARE(Panel(49)->Caption(), QString("1"));
    QVERIFY(Down("Shift_L"));
    QTRY_COMPARE(Panel(65)->Caption(), QString("a"));
    QCOMPARE(Panel(49)->Caption(), QString("!"));
    QVERIFY(Up("Shift_L"));
    QTRY_COMPARE(Panel(65)->Caption(), QString("A"));
    QVERIFY(Key("Caps_Lock"));
    QTRY_VERIFY(!capsLock->Emphasis());
    QVERIFY(!capsLock->font().bold());
    QCOMPARE(Panel(65)->Caption(), QString("a"));
}

void TestRealKeyboard::drillOnAccentsAndAltGr() {
    TDrill& drill = FWindow->Drill();
    drill.SetWordList(AnsiWords({"à", "À", "é", "ü", "ç", "l·l", "@", "Sa", "fi"}));
    FWindow->StartDrill();
    QTRY_VERIFY(Child<TTypingEdit>(*FWindow, "Edit")->hasFocus());
    int correct = 0;

    // à: the grave-accent key, then the A key; the composed letter is correct.
    QCOMPARE(LitKeys(), QString("186"));
    QCOMPARE(Lamps(), QString());
    QVERIFY(Key("dead_grave"));
    QTRY_COMPARE(LitKeys(), QString("65"));
    QVERIFY(Key("a"));
    QTRY_COMPARE(Typed(), QString::fromUtf8("à"));
    QCOMPARE(Correct(), ++correct);
    QCOMPARE(Lamps(), QString("S"));
    QVERIFY(Key("space"));
    QTRY_COMPARE(Child<QLabel>(*FWindow, "L_ToWrite")->text(), QString::fromUtf8("À"));

    // À: the grave-accent key, then the right Shift lamp for A; A lights while Shift is held.
    QCOMPARE(LitKeys(), QString("186"));
    QVERIFY(Key("dead_grave"));
    QTRY_COMPARE(Lamps(), QString("R"));
    QCOMPARE(LitKeys(), QString());
    QVERIFY(Down("Shift_L"));
    QTRY_COMPARE(LitKeys(), QString("65"));
    QVERIFY(Key("a"));
    QVERIFY(Up("Shift_L"));
    QTRY_COMPARE(Typed(), QString::fromUtf8("À"));
    QCOMPARE(Correct(), ++correct);
    QVERIFY(Key("space"));
    QTRY_COMPARE(Child<QLabel>(*FWindow, "L_ToWrite")->text(), QString::fromUtf8("é"));

    // é: the acute-accent key, then E.
    QTRY_COMPARE(LitKeys(), QString("222"));
    QVERIFY(Key("dead_acute"));
    QTRY_COMPARE(LitKeys(), QString("69"));
    QVERIFY(Key("e"));
    QTRY_COMPARE(Typed(), QString::fromUtf8("é"));
    QCOMPARE(Correct(), ++correct);
    QVERIFY(Key("space"));
    QTRY_COMPARE(Child<QLabel>(*FWindow, "L_ToWrite")->text(), QString::fromUtf8("ü"));

    // ü: the diaeresis is the acute key's Shift character: left Shift, then U.
    QCOMPARE(Lamps(), QString("L"));
    QCOMPARE(LitKeys(), QString());
    QVERIFY(Down("Shift_L"));
    QTRY_COMPARE(LitKeys(), QString("222"));
    QVERIFY(Key("dead_acute"));
    QTRY_COMPARE(int(FWindow->KeyDisplay().KeyToShow()), int('u'));
    QVERIFY(Up("Shift_L"));
    QTRY_COMPARE(LitKeys(), QString("85"));
    QCOMPARE(Lamps(), QString());
    QVERIFY(Key("u"));
    QTRY_COMPARE(Typed(), QString::fromUtf8("ü"));
    QCOMPARE(Correct(), ++correct);
    QVERIFY(Key("space"));
    QTRY_COMPARE(Child<QLabel>(*FWindow, "L_ToWrite")->text(), QString::fromUtf8("ç"));

    // ç: a key of its own.
    QCOMPARE(LitKeys(), QString("191"));
    QVERIFY(Key("ccedilla"));
    QTRY_COMPARE(Typed(), QString::fromUtf8("ç"));
    QCOMPARE(Correct(), ++correct);
    QVERIFY(Key("space"));
    QTRY_COMPARE(Child<QLabel>(*FWindow, "L_ToWrite")->text(), QString::fromUtf8("l·l"));

    // l·l: the middle dot is Shift and 3, a left-hand key: the right Shift.
    QCOMPARE(LitKeys(), QString("76"));
    QVERIFY(Key("l"));
    QTRY_COMPARE(Lamps(), QString("R"));
    QVERIFY(Down("Shift_R"));
    QTRY_COMPARE(LitKeys(), QString("51"));
    QVERIFY(Key("3"));
    QVERIFY(Up("Shift_R"));
    QTRY_COMPARE(Typed(), QString::fromUtf8("l·"));
    QTRY_COMPARE(LitKeys(), QString("76"));
    QVERIFY(Key("l"));
    QTRY_COMPARE(Typed(), QString::fromUtf8("l·l"));
    correct += 3;
    QCOMPARE(Correct(), correct);
    QVERIFY(Key("space"));
    QTRY_COMPARE(Child<QLabel>(*FWindow, "L_ToWrite")->text(), QString("@"));

    // @: AltGr and 2; the 2 key lights while AltGr is held.
    QCOMPARE(Lamps(), QString("G"));
    QCOMPARE(LitKeys(), QString());
    QVERIFY(Down("ISO_Level3_Shift"));
    QTRY_COMPARE(LitKeys(), QString("50"));
    QVERIFY(Key("2"));
    QVERIFY(Up("ISO_Level3_Shift"));
    QTRY_COMPARE(Typed(), QString("@"));
    QCOMPARE(Correct(), ++correct);
    QVERIFY(Key("space"));
    QTRY_COMPARE(Child<QLabel>(*FWindow, "L_ToWrite")->text(), QString("Sa"));

    // Sa: Shift's own press is taken by the keyboard display, the S and the a are not.
    TKeyCounter shiftPresses(Qt::Key_Shift), sPresses(Qt::Key_S);
    Child<TTypingEdit>(*FWindow, "Edit")->installEventFilter(&shiftPresses);
    Child<TTypingEdit>(*FWindow, "Edit")->installEventFilter(&sPresses);
    QCOMPARE(Lamps(), QString("R"));
    QVERIFY(Down("Shift_L"));  // xdotool presses Shift_R as two Shift keys
    QTRY_COMPARE(LitKeys(), QString("83"));
    QCOMPARE(shiftPresses.Presses, 0);
    QVERIFY(Key("s"));
    QVERIFY(Up("Shift_L"));
    QVERIFY(Key("a"));
    QTRY_COMPARE(Typed(), QString("Sa"));
    QCOMPARE(sPresses.Presses, 1);
    QCOMPARE(shiftPresses.Presses, 0);
    correct += 2;
    QCOMPARE(Correct(), correct);
    QCOMPARE(Errors(), 0);
    QCOMPARE(FDialogs->Unexpected(), 0);
}

void TestRealKeyboard::deadKeyWithShiftInEitherReleaseOrder_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("deadKey");  // the key that gives the accent with Shift
    QTest::addColumn<QString>("deadKeyLit");
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("baseLit");
    QTest::addColumn<bool>("shiftUpFirst");
    QTest::newRow("ü, Shift up first") << "ü"
                                       << "dead_acute"
                                       << "222"
                                       << "u"
                                       << "85" << true;
    QTest::newRow("ê, Shift up first") << "ê"
                                       << "dead_grave"
                                       << "186"
                                       << "e"
                                       << "69" << true;
    QTest::newRow("ê, Shift up last") << "ê"
                                      << "dead_grave"
                                      << "186"
                                      << "e"
                                      << "69" << false;
}

void TestRealKeyboard::deadKeyWithShiftInEitherReleaseOrder() {
    QFETCH(QString, word);
    QFETCH(QString, deadKey);
    QFETCH(bool, shiftUpFirst);
    QFETCH(QString, deadKeyLit);
    QFETCH(QString, baseLit);
    QFETCH(QString, base);
    TDrill& drill = FWindow->Drill();
    drill.SetWordList({ToAnsi(word)});
    FWindow->StartDrill();
    QTRY_VERIFY(Child<TTypingEdit>(*FWindow, "Edit")->hasFocus());
    QCOMPARE(Lamps(), QString("L"));
    QVERIFY(Down("Shift_L"));
    QTRY_COMPARE(LitKeys(), deadKeyLit);
    // The four events follow one another without waiting: their order is what counts.
    QVERIFY(Down(deadKey));
    QVERIFY(shiftUpFirst ? Up("Shift_L") && Up(deadKey) : Up(deadKey) && Up("Shift_L"));
    QTRY_COMPARE(LitKeys(), baseLit);
    QCOMPARE(Lamps(), QString());
    QVERIFY(Key(base));
    QTRY_COMPARE(Typed(), word);
    QCOMPARE(Correct(), 1);
    QCOMPARE(Errors(), 0);
}

void TestRealKeyboard::deadKeyKeptThroughKeysThatTypeNothing_data() {
    QTest::addColumn<QString>("between");
    // F3 says the next key: following what it says must still type the accented letter.
    for (const char* key : {"F3", "F2", "F4", "Right", "F7"}) QTest::newRow(key) << QString(key);
}

void TestRealKeyboard::deadKeyKeptThroughKeysThatTypeNothing() {
    QFETCH(QString, between);
    FWindow->Drill().SetWordList({ToAnsi(QString::fromUtf8("àvia"))});
    FWindow->StartDrill();
    QTRY_VERIFY(Child<TTypingEdit>(*FWindow, "Edit")->hasFocus());
    QVERIFY(Key("dead_grave"));
    QTRY_COMPARE(LitKeys(), QString("65"));
    QVERIFY(Key(between));
    QVERIFY(Key("a"));
    QTRY_COMPARE(Typed(), QString::fromUtf8("à"));
    for (const char* key : {"v", "i", "a"}) QVERIFY(Key(key));
    QTRY_COMPARE(Typed(), QString::fromUtf8("àvia"));
    QCOMPARE(Correct(), 4);
    QCOMPARE(Errors(), 0);
    QCOMPARE(FDialogs->Unexpected(), 0);
}

QTEST_MAIN(TestRealKeyboard)
#include "tst_real_keyboard.moc"
