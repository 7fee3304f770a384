// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The on-screen keyboard in the real window, offscreen, with a fake keyboard state:
// keys and names, captions, lamps during a drill, the dead-key sequence, geometry,
// hiding, zone colours, help topics and the typing area.
#include <QCheckBox>
#include <QFrame>
#include <QInputMethodEvent>
#include <QLabel>
#include <QSpinBox>
#include <QTest>

#include "drill/ui/typing_edit.h"
#include "keyboard/key_table.h"
#include "keyboard/keyboard_geometry.h"
#include "keyboard/ui/key_panel.h"
#include "shell/typewriting_window.h"
#include "util/codec.h"
#include "util/ui/help.h"
#include "widget_test_support.h"

using namespace teclarium;
using namespace teclarium::test;

namespace {

struct TFakeKeys {
    bool Caps = false;
    bool Shift = false;
    bool Ctrl = false;
    int SwitchOffs = 0;
};

class TFakeKeyboardState final : public TKeyboardState {
  public:
    explicit TFakeKeyboardState(TFakeKeys& keys) : F(keys) {}
    bool CapsLockOn() const override { return F.Caps; }
    bool ShiftDown() const override { return F.Shift; }
    bool CtrlDown() const override { return F.Ctrl; }
    void SwitchCapsLockOff() override {
        F.Caps = false;
        ++F.SwitchOffs;
    }

  private:
    TFakeKeys& F;
};

TWindowPlatform FakePlatform(TFakeKeys& keys) {
    TWindowPlatform p;
    p.Keyboard = std::make_unique<TFakeKeyboardState>(keys);
    return p;
}

// Counts the key presses that reach a widget (after the application's filters).
class TKeyCounter : public QObject {
  public:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::KeyPress) ++Presses;
        return false;
    }
    int Presses = 0;
};

struct TWindowFixture {
    TTestFolder Folder{{"KeyMapping.txt", "CharsToType.txt", "11.tcm"}};
    TDialogAnswers Dialogs;
    TFakeKeys Keys{true, false, false, 0};  // Caps Lock on at start: switched off
    TFTypewriting Window{FakePlatform(Keys)};
    TKeyCounter EditKeys;

    TWindowFixture() { Child<TTypingEdit>(Window, "Edit")->installEventFilter(&EditKeys); }

    TKeyPanel* Key(int code) { return Window.findChild<TKeyPanel*>(QStringLiteral("P_K%1").arg(code)); }
    TKeyPanel* Special(int number) { return KeyPanel(Window, number); }
    // The user's settings file holds these lines; the window reads it again.
    void Settings(const QByteArray& lines) {
        Folder.Write("Teclarium.ini", "[Options]\r\nMkLink=0\r\n" + lines + "\r\n");
        Window.LoadSettings();
    }
    // The keyboard state changed: the modifier key's press lets the hook see it.
    // Returns true when the hook consumed the press.
    bool Modifiers(bool caps, bool shift, bool ctrl, int qtKey = Qt::Key_Shift) {
        Keys = {caps, shift, ctrl, Keys.SwitchOffs};
        const int before = EditKeys.Presses;
        QKeyEvent press(QEvent::KeyPress, qtKey, Qt::NoModifier);
        QApplication::sendEvent(Child<TTypingEdit>(Window, "Edit"), &press);
        return EditKeys.Presses == before;
    }
    void Start(const QStringList& words) {
        Window.Drill().SetWordList(AnsiWords(words));
        Window.StartDrill();
    }
    // Codes of the lit character keys, e.g. "76".
    QString LitKeys() {
        QStringList lit;
        for (int n = 1; n <= kCharKeyCount; ++n)
            if (KeyPanel(Window, n)->Lit()) lit << QString::number(kKeyCodes[n]);
        return lit.join(' ');
    }
    // L left Shift, R right Shift, G AltGr, B Backspace, S space bar.
    QString Lamps() {
        QString s;
        if (Special(kLeftShiftKey)->Lit()) s += 'L';
        if (Special(kRightShiftKey)->Lit()) s += 'R';
        if (Child<TKeyPanel>(Window, "P_AltGr")->Lit()) s += 'G';
        if (Special(kBackspaceKey)->Lit()) s += 'B';
        if (Child<TKeyPanel>(Window, "P_SpaceBar")->Lit()) s += 'S';
        return s;
    }
};

void SendDeadKeyRelease(QWidget* w, int qtKey, quint32 scanCode) {
    QKeyEvent release(QEvent::KeyRelease, qtKey, Qt::NoModifier, scanCode, 0, 0);
    QApplication::sendEvent(w, &release);
}

void Commit(QWidget* w, const QString& text) {
    QInputMethodEvent e;
    e.setCommitString(text);
    QApplication::sendEvent(w, &e);
}

}  // namespace

class TestKeyboardWidgets : public QObject {
    Q_OBJECT

  private slots:
    void keysAreBuiltAndNamed();
    void captionsFollowTheModifiers_data();
    void captionsFollowTheModifiers();
    void onlyModifierKeyEventsAreConsumed();
    void drillLightsTheKeys();
    void deadKeySequence_data();
    void deadKeySequence();
    void geometryFollowsTheFontSize_data();
    void geometryFollowsTheFontSize();
    void hidingTheKeyboardShrinksTheWindow();
    void frameColoursFollowTheMode_data();
    void frameColoursFollowTheMode();
    void clicksOpenTheKeyboardHelp();
    void typingAreaFollowsTheFontSize_data();
    void typingAreaFollowsTheFontSize();
    void missingMappingFileIsReported();
};

void TestKeyboardWidgets::keysAreBuiltAndNamed() {
    TWindowFixture f;
    QCOMPARE(f.Keys.SwitchOffs, 1);
    QVERIFY(!f.Keys.Caps);
    for (int n = 1; n <= kCharKeyCount; ++n) {
        TKeyPanel* panel = KeyPanel(f.Window, n);
        QCOMPARE(panel->objectName(), QStringLiteral("P_K%1").arg(kKeyCodes[n]));
        QCOMPARE(panel->parentWidget(), Child<QWidget>(f.Window, "P_VirtualKeyboard"));
        QVERIFY(panel->font().bold());
        QVERIFY(panel->Caption().isEmpty());  // blank until the first input event
        // The zone frame lies behind its key.
        const QObjectList& children = Child<QWidget>(f.Window, "P_VirtualKeyboard")->children();
        QVERIFY(children.indexOf(KeyFrame(KeyPanel(f.Window, n))) < children.indexOf(panel));
    }
    for (int n = kCapsLockKey; n <= kKeyCount; ++n) QVERIFY(f.Special(n)->objectName().isEmpty());
    QCOMPARE(Child<QWidget>(f.Window, "P_VirtualKeyboard")->findChildren<TKeyPanel*>().size(), kKeyCount + 2);
    QCOMPARE(f.Special(kCapsLockKey)->Caption(), QString("B.M."));
    QCOMPARE(f.Special(kLeftShiftKey)->Caption(), QString::fromUtf8("⇧"));
    QCOMPARE(f.Special(kRightShiftKey)->Caption(), QString::fromUtf8("⇧"));
    QCOMPARE(f.Special(kBackspaceKey)->Caption(), QString::fromUtf8("←"));
    QCOMPARE(Child<TKeyPanel>(f.Window, "P_AltGr")->Caption(), QString("Alt Gr"));
    QCOMPARE(f.Window.KeyDisplay().KeyCharsList().size(), std::size_t(kCharKeyCount));
    QCOMPARE(f.Dialogs.Shown(), 0);
}

void TestKeyboardWidgets::captionsFollowTheModifiers_data() {
    QTest::addColumn<bool>("caps");
    QTest::addColumn<bool>("shift");
    QTest::addColumn<bool>("ctrl");
    QTest::addColumn<QString>("captions");  // of the keys f, 2, 6, c cedilla; '.' blank
    QTest::newRow("none") << false << false << false << QString::fromUtf8("f26ç");
    QTest::newRow("shift, with a single ampersand") << false << true << false << QString::fromUtf8("F\"&Ç");
    QTest::newRow("caps lock") << true << false << false << QString::fromUtf8("F26Ç");
    QTest::newRow("caps lock and shift") << true << true << false << QString::fromUtf8("f\"&ç");
    QTest::newRow("AltGr") << false << false << true << QString::fromUtf8(".@¬}");
}

void TestKeyboardWidgets::captionsFollowTheModifiers() {
    QFETCH(bool, caps);
    QFETCH(bool, shift);
    QFETCH(bool, ctrl);
    QFETCH(QString, captions);
    TWindowFixture f;
    f.Modifiers(caps, shift, ctrl);
    f.Modifiers(caps, shift, ctrl);  // a Shift change waits for the message after a Ctrl change
    const int codes[] = {70, 50, 54, 191};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(f.Key(codes[i])->Caption(), captions[i] == '.' ? QString() : QString(captions[i]));
    TKeyPanel* capsLock = f.Special(kCapsLockKey);
    QCOMPARE(capsLock->Emphasis(), caps);
    QCOMPARE(capsLock->font().bold(), caps);
    QCOMPARE(capsLock->CaptionColour(),
             caps ? QColor(255, 0, 0) : f.Window.palette().color(QPalette::WindowText));
    // Back to no modifier: the plain captions and the regular Caps Lock key.
    f.Modifiers(false, false, false);
    f.Modifiers(false, false, false);
    QCOMPARE(f.Key(65)->Caption(), QString("a"));
    QVERIFY(!capsLock->font().bold());
}

void TestKeyboardWidgets::onlyModifierKeyEventsAreConsumed() {
    TWindowFixture f;
    f.Modifiers(false, false, false);
    f.Start({"Sa"});
    QCOMPARE(f.Lamps(), QString("R"));
    QCOMPARE(f.LitKeys(), QString());
    // Shift goes down: its own key event is consumed and the S key lights.
    QVERIFY(f.Modifiers(false, true, false));
    QCOMPARE(f.LitKeys(), QString("83"));
    QVERIFY(!f.Modifiers(false, true, false));  // no change, not consumed
    PressKey(Child<TTypingEdit>(f.Window, "Edit"), Qt::Key_S, "S", Qt::ShiftModifier, 39);
    QCOMPARE(Child<TTypingEdit>(f.Window, "Edit")->text(), QString("S"));
    QCOMPARE(f.LitKeys(), QString());  // a needs no Shift: the captions show S, not a
    // Shift is released, and first noticed at the next character: the a is typed.
    f.Keys.Shift = false;
    PressKey(Child<TTypingEdit>(f.Window, "Edit"), Qt::Key_A, "a", Qt::NoModifier, 38);
    QCOMPARE(Child<TTypingEdit>(f.Window, "Edit")->text(), QString("Sa"));
    QCOMPARE(f.Window.Drill().CorrectKeys(), std::uint16_t(2));
    QCOMPARE(f.Window.Drill().ErrorCount(), std::uint16_t(0));
    QCOMPARE(f.Key(65)->Caption(), QString("a"));
    QCOMPARE(f.Lamps(), QString("S"));
}

void TestKeyboardWidgets::drillLightsTheKeys() {
    TWindowFixture f;
    f.Modifiers(false, false, false);
    Child<QCheckBox>(f.Window, "CB_WriteWrongChar")->setChecked(true);
    f.Start({"la"});
    QCOMPARE(f.LitKeys(), QString("76"));
    QCOMPARE(f.Lamps(), QString());
    TypeText(Child<TTypingEdit>(f.Window, "Edit"), "l");
    QCOMPARE(f.LitKeys(), QString("65"));
    TypeText(Child<TTypingEdit>(f.Window, "Edit"), "x");
    QCOMPARE(f.LitKeys(), QString());
    QCOMPARE(f.Lamps(), QString("B"));
    PressKey(Child<TTypingEdit>(f.Window, "Edit"), Qt::Key_Backspace, "\b", Qt::NoModifier, 22);
    QCOMPARE(f.LitKeys(), QString("65"));
    QCOMPARE(f.Lamps(), QString());
    TypeText(Child<TTypingEdit>(f.Window, "Edit"), "a");
    QCOMPARE(f.LitKeys(), QString());
    QCOMPARE(f.Lamps(), QString("S"));
    // Not shown: the next change of the field clears every light.
    Child<QCheckBox>(f.Window, "CB_ShowKeyToType")->setChecked(false);
    f.Start({"la"});
    QCOMPARE(f.LitKeys(), QString());
    QCOMPARE(f.Lamps(), QString());
}

void TestKeyboardWidgets::deadKeySequence_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<bool>("shiftForDeadKey");
    QTest::addColumn<int>("deadKey");
    QTest::addColumn<uint>("scanCode");
    QTest::addColumn<int>("deadKeyCode");
    QTest::addColumn<QString>("baseLit");
    QTest::addColumn<QString>("baseLamps");
    QTest::newRow("à") << QString::fromUtf8("à") << false << int(Qt::Key_Dead_Grave) << 34u << 186 << "65"
                       << "";
    QTest::newRow("À") << QString::fromUtf8("À") << false << int(Qt::Key_Dead_Grave) << 34u << 186 << ""
                       << "R";
    QTest::newRow("é") << QString::fromUtf8("é") << false << int(Qt::Key_Dead_Acute) << 48u << 222 << "69"
                       << "";
    QTest::newRow("ü") << QString::fromUtf8("ü") << true << int(Qt::Key_Dead_Diaeresis) << 48u << 222 << "85"
                       << "";
}

void TestKeyboardWidgets::deadKeySequence() {
    QFETCH(QString, word);
    QFETCH(bool, shiftForDeadKey);
    QFETCH(int, deadKey);
    QFETCH(uint, scanCode);
    QFETCH(int, deadKeyCode);
    TWindowFixture f;
    f.Modifiers(false, false, false);
    f.Start({word});
    if (shiftForDeadKey) {
        QCOMPARE(f.Lamps(), QString("L"));
        f.Modifiers(false, true, false);
    }
    QCOMPARE(f.LitKeys(), QString::number(deadKeyCode));
    // The compose input method lets only the dead key's release through.
    SendDeadKeyRelease(Child<TTypingEdit>(f.Window, "Edit"), deadKey, scanCode);
    f.Modifiers(false, false, false);
    QTEST(f.LitKeys(), "baseLit");
    QTEST(f.Lamps(), "baseLamps");
    Commit(Child<TTypingEdit>(f.Window, "Edit"), word);
    QCOMPARE(Child<TTypingEdit>(f.Window, "Edit")->text(), word);
    QCOMPARE(f.Window.Drill().CorrectKeys(), std::uint16_t(1));
    QCOMPARE(f.Window.Drill().ErrorCount(), std::uint16_t(0));
    QCOMPARE(f.LitKeys(), QString());
    QCOMPARE(f.Lamps(), QString("S"));
}

void TestKeyboardWidgets::geometryFollowsTheFontSize_data() {
    QTest::addColumn<int>("fs");
    QTest::addColumn<bool>("separated");
    QTest::addColumn<QSize>("keyboard");
    QTest::newRow("13") << 13 << false << QSize(383, 129);
    QTest::newRow("13 spaced") << 13 << true << QSize(383, 168);
    QTest::newRow("25") << 25 << false << QSize(738, 249);
    QTest::newRow("8") << 8 << false << QSize(241, 81);
}

void TestKeyboardWidgets::geometryFollowsTheFontSize() {
    QFETCH(int, fs);
    QFETCH(bool, separated);
    QFETCH(QSize, keyboard);
    TWindowFixture f;
    Child<QSpinBox>(f.Window, "SE_VKFontSize")->setValue(fs);
    if (Child<QCheckBox>(f.Window, "CB_KBSeparated")->isChecked() != separated)
        Child<QCheckBox>(f.Window, "CB_KBSeparated")->click();
    QCOMPARE(Child<QWidget>(f.Window, "P_VirtualKeyboard")->size(), keyboard);
    const TKeyboardGeometry g = KeyboardGeometry(static_cast<std::uint8_t>(fs), separated);
    for (int n = 1; n <= kKeyCount; ++n) {
        const TBox& k = g.Keys[n];
        QCOMPARE(KeyPanel(f.Window, n)->geometry(), QRect(k.Left, k.Top, k.Width, k.Height));
        const TBox& r = g.Frames[n];
        QCOMPARE(KeyFrame(KeyPanel(f.Window, n))->geometry(), QRect(r.Left, r.Top, r.Width, r.Height));
    }
    QCOMPARE(f.Key(65)->font().pointSize(), fs);
    QCOMPARE(f.Special(kCapsLockKey)->font().pointSize(), g.CapsLockFontSize);
    QCOMPARE(Child<TKeyPanel>(f.Window, "P_AltGr")->font().pointSize(), fs / 2);
    QCOMPARE(Child<TKeyPanel>(f.Window, "P_SpaceBar")->geometry().left(), f.Key(86)->geometry().left());
    // The window holds, under its menu bar, the upper panel and the keyboard under it.
    QWidget* panel = Child<QWidget>(f.Window, "Panel1");
    const int top = f.Window.MenuHeight();
    const TWindowArrangement a =
        ArrangeWindowGeometry(true, panel->width(), panel->height(), keyboard.width(), keyboard.height());
    QCOMPARE(f.Window.size(), QSize(a.ClientWidth, top + a.ClientHeight));
    QCOMPARE(panel->pos(), QPoint(a.PanelLeft, top));
    QCOMPARE(Child<QWidget>(f.Window, "P_VirtualKeyboard")->pos(),
             QPoint(a.KeyboardLeft, top + panel->height()));
    QVERIFY(!Child<QWidget>(f.Window, "P_VirtualKeyboard")->isHidden());
}

void TestKeyboardWidgets::hidingTheKeyboardShrinksTheWindow() {
    TWindowFixture f;
    Child<QCheckBox>(f.Window, "CB_ShowKeyboard")->click();
    QVERIFY(Child<QWidget>(f.Window, "P_VirtualKeyboard")->isHidden());
    const QSize menu(0, f.Window.MenuHeight());
    QCOMPARE(f.Window.size(), Child<QWidget>(f.Window, "Panel1")->size() + menu);
    QCOMPARE(Child<QWidget>(f.Window, "Panel1")->pos(), QPoint(0, menu.height()));
    QVERIFY(Child<QCheckBox>(f.Window, "CB_ShowKeyToType")->isHidden());
    QVERIFY(Child<QCheckBox>(f.Window, "CB_KBSeparated")->isHidden());
    QVERIFY(!Child<QSpinBox>(f.Window, "SE_VKFontSize")->isHidden());
    // A font size change lays out the hidden keyboard without showing it.
    Child<QSpinBox>(f.Window, "SE_VKFontSize")->setValue(20);
    QVERIFY(Child<QWidget>(f.Window, "P_VirtualKeyboard")->isHidden());
    QCOMPARE(f.Window.size(), Child<QWidget>(f.Window, "Panel1")->size() + menu);
    Child<QCheckBox>(f.Window, "CB_ShowKeyboard")->click();
    QVERIFY(!Child<QWidget>(f.Window, "P_VirtualKeyboard")->isHidden());
    QVERIFY(!Child<QCheckBox>(f.Window, "CB_ShowKeyToType")->isHidden());
    QCOMPARE(f.Window.height(), menu.height() + Child<QWidget>(f.Window, "Panel1")->height() +
                                    Child<QWidget>(f.Window, "P_VirtualKeyboard")->height());
    f.Window.SetShowKeyboard(false);
    QVERIFY(!Child<QCheckBox>(f.Window, "CB_ShowKeyboard")->isChecked());
}

void TestKeyboardWidgets::frameColoursFollowTheMode_data() {
    QTest::addColumn<bool>("oneHand");
    QTest::addColumn<bool>("natural");
    QTest::addColumn<QString>("zones");  // frames of the keys 4, 6, R, Backspace; L lime, Y yellow
    QTest::newRow("two hands") << false << false << "YLYY";
    QTest::newRow("natural keyboard") << false << true << "YYYY";
    QTest::newRow("one hand") << true << false << "LLLY";
    QTest::newRow("one hand wins") << true << true << "LLLY";
}

void TestKeyboardWidgets::frameColoursFollowTheMode() {
    QFETCH(bool, oneHand);
    QFETCH(bool, natural);
    QFETCH(QString, zones);
    TWindowFixture f;
    f.Settings(QByteArray("OneHand=") + (oneHand ? "1" : "0") +
               "\r\nNaturalKeyboard=" + (natural ? "1" : "0"));
    f.Window.SetHandColours();
    const int keys[] = {KeyNumberOfCode('4'), KeyNumberOfCode('6'), KeyNumberOfCode('R'), kBackspaceKey};
    for (int i = 0; i < 4; ++i) {
        const QColor expected = zones[i] == 'L' ? QColor(0, 255, 0) : QColor(255, 255, 0);
        QCOMPARE(KeyFrame(KeyPanel(f.Window, keys[i]))->palette().color(QPalette::Window), expected);
        QVERIFY(KeyFrame(KeyPanel(f.Window, keys[i]))->autoFillBackground());
    }
}

void TestKeyboardWidgets::clicksOpenTheKeyboardHelp() {
    TWindowFixture f;
    f.Window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.Window));
    std::vector<int> topics;
    const THelpContextViewer previous = SetHelpContextViewer([&](int context) { topics.push_back(context); });
    QTest::mouseClick(f.Key(65), Qt::LeftButton);
    QTest::mouseClick(f.Special(kCapsLockKey), Qt::LeftButton);
    QTest::mouseClick(Child<TKeyPanel>(f.Window, "P_SpaceBar"), Qt::LeftButton);
    QTest::mouseClick(Child<TKeyPanel>(f.Window, "P_AltGr"), Qt::LeftButton);
    QTest::mouseClick(Child<QWidget>(f.Window, "P_VirtualKeyboard"), Qt::LeftButton, {},
                      QPoint(1, 1));  // between keys
    QTest::mouseClick(KeyFrame(KeyPanel(f.Window, 26)), Qt::LeftButton, {},
                      QPoint(1, 1));  // a frame: nothing
    QCOMPARE(topics, (std::vector<int>{1008, 1008, 1008, 1008, 1008}));
    // A blank spot of the upper panel is no part of the keyboard.
    QTest::mouseClick(Child<QWidget>(f.Window, "P_TopTop"), Qt::LeftButton, {},
                      QPoint(Child<QWidget>(f.Window, "P_TopTop")->width() - 2, 2));
    QCOMPARE(topics.size(), std::size_t(5));
    f.Settings("OneHand=1");
    QTest::mouseClick(f.Key(76), Qt::LeftButton);
    QCOMPARE(topics.back(), 1009);
    SetHelpContextViewer(previous);
}

void TestKeyboardWidgets::typingAreaFollowsTheFontSize_data() {
    QTest::addColumn<int>("es");
    QTest::addColumn<int>("countSize");
    QTest::newRow("14") << 14 << 10;
    QTest::newRow("22") << 22 << 15;
    QTest::newRow("30") << 30 << 21;
}

void TestKeyboardWidgets::typingAreaFollowsTheFontSize() {
    QFETCH(int, es);
    QFETCH(int, countSize);
    TWindowFixture f;
    TFTypewriting& w = f.Window;
    Child<QSpinBox>(w, "SE_EditFontSize")->setValue(es == 14 ? 15 : 14);
    Child<QSpinBox>(w, "SE_EditFontSize")->setValue(es);
    QCOMPARE(Child<QLabel>(w, "L_ToWrite")->font().pointSize(), es);
    QCOMPARE(Child<TTypingEdit>(w, "Edit")->font().pointSize(), es);
    // The typing field writes in the words' bold fixed-pitch font.
    QCOMPARE(Child<TTypingEdit>(w, "Edit")->font(), Child<QLabel>(w, "L_ToWrite")->font());
    QVERIFY(Child<TTypingEdit>(w, "Edit")->font().bold() &&
            Child<TTypingEdit>(w, "Edit")->font().fixedPitch());
    QCOMPARE(Child<QLabel>(w, "L_Count")->font().pointSize(), countSize);
    QCOMPARE(Child<QLabel>(w, "L_ErrorsCount")->font().pointSize(), countSize);
    const int m = TypingMargin(static_cast<std::uint8_t>(es));
    QCOMPARE(Child<QLabel>(w, "L_ToWrite")->y(), m);
    QCOMPARE(Child<TTypingEdit>(w, "Edit")->y(), Child<QLabel>(w, "L_ToWrite")->height() + 2 * m);
    QCOMPARE(Child<TTypingEdit>(w, "Edit")->width(),
             RoundHalfEven(Child<TTypingEdit>(w, "Edit")->height() * 9, 2));
    QCOMPARE(Child<QLabel>(w, "L_ToNextWrite")->x(),
             Child<TTypingEdit>(w, "Edit")->geometry().right() + 1 + m);
    QCOMPARE(Child<QPushButton>(w, "BB_Play")->geometry().bottom(),
             Child<TTypingEdit>(w, "Edit")->geometry().bottom());
    // The Escape hint stays clear of the wrong key and inside the panel.
    QVERIFY(Child<QLabel>(w, "L_TypeEsc")->x() > Child<QLabel>(w, "L_IncorrectKey")->geometry().right());
    QVERIFY(Child<QLabel>(w, "L_TypeEsc")->geometry().right() < Child<QWidget>(w, "Panel1")->width());
    QVERIFY(Child<QWidget>(w, "Panel1")->width() >= Child<QGroupBox>(w, "GB_Type")->width() + 12);
    QCOMPARE(Child<QWidget>(w, "Panel1")->height(),
             Child<QWidget>(w, "P_TopTop")->height() + Child<QPushButton>(w, "BB_Play")->y() + 35);
    QCOMPARE(w.height(), w.MenuHeight() + Child<QWidget>(w, "Panel1")->height() +
                             Child<QWidget>(w, "P_VirtualKeyboard")->height());
    // The next word starts one character cell of the new font after the current one.
    f.Start({"casa", "gat"});
    QCOMPARE(Child<QLabel>(w, "L_ToNextWrite")->x(),
             Child<QLabel>(w, "L_ToWrite")->x() + 5 * CharCell(Child<QLabel>(w, "L_ToWrite")));
    // The next word fits beside the field at every size: a word of ten characters.
    f.Start({"abcdefghij", "klmnopqrst"});
    QVERIFY(Child<QLabel>(w, "L_ToNextWrite")->geometry().right() < Child<QWidget>(w, "Panel1")->width());
}

void TestKeyboardWidgets::missingMappingFileIsReported() {
    TTestFolder empty{{}};
    TDialogAnswers dialogs;
    dialogs.Expect([](QDialog&) { return 0; });
    dialogs.Expect([](QDialog&) { return 0; });
    TFakeKeys keys;
    TFTypewriting window{FakePlatform(keys)};
    QCOMPARE(dialogs.Shown(), 2);
    QCOMPARE(dialogs.Texts.front(), QString("No s'ha trobat l'arxiu 'KeyMapping.txt'"));
    QCOMPARE(dialogs.Texts.back(), QString("No s'ha trobat l'arxiu '11.tcm'"));
    QVERIFY(window.KeyDisplay().KeyCharsList().empty());
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Shift, Qt::NoModifier);
    QApplication::sendEvent(Child<TTypingEdit>(window, "Edit"), &press);
    QVERIFY(KeyPanel(window, 1)->Caption().isEmpty());
}

QTEST_MAIN(TestKeyboardWidgets)
#include "tst_keyboard_widgets.moc"
