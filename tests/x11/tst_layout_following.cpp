// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The on-screen keyboard follows the X server's layout: a drill on the French layout,
// typed with real X key events through it, and a layout switched while the window
// runs.
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTest>
#include <memory>

#include "drill/ui/typing_edit.h"
#include "real_keyboard.h"
#include "util/codec.h"
#include "widget_test_support.h"

// X11 headers last: they define names that clash with Qt's.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>

using namespace teclarium;
using namespace teclarium::test;

class TestLayoutFollowing : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void cleanupTestCase();
    void drillOnTheFrenchLayout();
    void captionsFollowALayoutSwitch();
    void captionsFollowTheGroup();

  private:
    TKeyPanel* Panel(int code) { return test::Panel(*FWindow, code); }
    QString LitKeys() { return test::LitKeys(*FWindow); }
    QString Lamps() { return test::Lamps(*FWindow); }
    QString Typed() { return Child<TTypingEdit>(*FWindow, "Edit")->text(); }

    std::unique_ptr<TTestFolder> FFolder;
    std::unique_ptr<TDialogAnswers> FDialogs;
    std::unique_ptr<TFTypewriting> FWindow;
};

void TestLayoutFollowing::initTestCase() {
    QCOMPARE(QGuiApplication::platformName(), QString("xcb"));
    QVERIFY(Run(QStringLiteral("setxkbmap"), {"fr"}));
    FFolder = std::make_unique<TTestFolder>(QStringList{"KeyMapping.txt", "CharsToType.txt", "11.tcm"});
    FDialogs = std::make_unique<TDialogAnswers>();
    FWindow = std::make_unique<TFTypewriting>();
    QVERIFY(ShowFocused(*FWindow));
    // The French keys from the start: à on the 0 key, a where the Spanish Q is.
    QTRY_COMPARE(Panel(48)->Caption(), QString::fromUtf8("à"));
    QCOMPARE(Panel(81)->Caption(), QString("a"));
    QCOMPARE(Panel(226)->Caption(), QString("<"));            // right of the left Shift
    QCOMPARE(Panel(220)->Caption(), QString::fromUtf8("²"));  // left of 1
    QCOMPARE(FWindow->Layout().KeyboardName(), QString::fromUtf8("Francès"));
}

void TestLayoutFollowing::cleanupTestCase() {
    FWindow.reset();
    FDialogs.reset();
    FFolder.reset();
}

void TestLayoutFollowing::drillOnTheFrenchLayout() {
    TDrill& drill = FWindow->Drill();
    drill.SetWordList(AnsiWords({"à", "ê", "Ç", "Ç"}));
    // Ç has no key of its own on the French layout: said once, by name, as the drill starts.
    QString said;
    FDialogs->Expect([&](QDialog& dialog) {
        said = static_cast<QMessageBox&>(dialog).text();
        return int(QMessageBox::Ok);
    });
    FWindow->StartDrill();
    QVERIFY(FDialogs->AllAnswered());
    QCOMPARE(said, QString::fromUtf8("El teclat Francès no pot escriure: ce trencada majúscula."));
    QTRY_VERIFY(Child<TTypingEdit>(*FWindow, "Edit")->hasFocus());

    // à: the 0 key, no modifier.
    QCOMPARE(LitKeys(), QString("48"));
    QCOMPARE(Lamps(), QString());
    QVERIFY(Key("agrave"));
    QTRY_COMPARE(Typed(), QString::fromUtf8("à"));
    QCOMPARE(FWindow->Drill().CorrectKeys(), 1);
    QVERIFY(Key("space"));
    QTRY_COMPARE(Child<QLabel>(*FWindow, "L_ToWrite")->text(), QString::fromUtf8("ê"));

    // ê: the dead circumflex right of P, then E.
    QCOMPARE(LitKeys(), QString("186"));
    QCOMPARE(Lamps(), QString());
    QVERIFY(Key("dead_circumflex"));
    QTRY_COMPARE(LitKeys(), QString("69"));
    QVERIFY(Key("e"));
    QTRY_COMPARE(Typed(), QString::fromUtf8("ê"));
    QCOMPARE(FWindow->Drill().CorrectKeys(), 2);
    QVERIFY(Key("space"));
    QTRY_COMPARE(Child<QLabel>(*FWindow, "L_ToWrite")->text(), QString::fromUtf8("Ç"));

    // Ç: nothing to light; typed with Caps Lock and ç, the drill judges it right.
    QCOMPARE(LitKeys(), QString());
    QCOMPARE(Lamps(), QString());
    QVERIFY(Key("Caps_Lock"));
    QVERIFY(Key("ccedilla"));
    QVERIFY(Key("Caps_Lock"));
    QTRY_COMPARE(Typed(), QString::fromUtf8("Ç"));
    QCOMPARE(FWindow->Drill().CorrectKeys(), 3);
    QCOMPARE(FWindow->Drill().ErrorCount(), 0);
    // Said once: the second drill on it says nothing (an unexpected dialog would count).
    FWindow->StartDrill();
    QCOMPARE(FDialogs->Unexpected(), 0);
}

void TestLayoutFollowing::captionsFollowALayoutSwitch() {
    QCOMPARE(Panel(48)->Caption(), QString::fromUtf8("à"));
    // In the middle of a drill, a word the new layout cannot type is said.
    FWindow->Drill().SetWordList({ToAnsi(QString::fromUtf8("1ª"))});
    FWindow->StartDrill();
    QString said;
    FDialogs->Expect([&](QDialog& dialog) {
        said = static_cast<QMessageBox&>(dialog).text();
        return int(QMessageBox::Ok);
    });
    QElapsedTimer clock;
    clock.start();
    QVERIFY(Run(QStringLiteral("setxkbmap"), {"us", "-variant", "intl"}));
    // Within a second: 0 on the 0 key, the dead grave left of 1.
    QTRY_COMPARE_WITH_TIMEOUT(Panel(48)->Caption(), QString("0"), 1000);
    QTRY_VERIFY(FDialogs->AllAnswered());
    QCOMPARE(said, QString::fromUtf8(
                       "El teclat Anglès (EUA, intl., amb tecles mortes) no pot escriure: ordinal femení."));
    FWindow->Drill().EndDrill(false);
    QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(Panel(220)->Caption(), QString("`"));
    QCOMPARE(Panel(81)->Caption(), QString("q"));
    QCOMPARE(FWindow->Layout().KeyboardName(), QString::fromUtf8("Anglès (EUA, intl., amb tecles mortes)"));
}

void TestLayoutFollowing::captionsFollowTheGroup() {
    // Two layouts, French first; the second group, locked as a desktop's layout switcher
    // locks it, is US international.
    QVERIFY(Run(QStringLiteral("setxkbmap"), {"-layout", "fr,us", "-variant", ",intl"}));
    QTRY_COMPARE_WITH_TIMEOUT(Panel(48)->Caption(), QString::fromUtf8("à"), 1000);
    Display* display = XOpenDisplay(nullptr);
    QVERIFY(display);
    QVERIFY(XkbLockGroup(display, XkbUseCoreKbd, 1));
    XCloseDisplay(display);
    QTRY_COMPARE_WITH_TIMEOUT(Panel(48)->Caption(), QString("0"), 1000);
    QCOMPARE(Panel(220)->Caption(), QString("`"));
    QCOMPARE(FWindow->Layout().KeyboardName(), QString::fromUtf8("Anglès (EUA, intl., amb tecles mortes)"));
    // A keyboard chosen by name does not hide what the keys really type.
    FWindow->Layout().SetKeyboardChoice("fr");
    QCOMPARE(Panel(48)->Caption(), QString("0"));
    FWindow->Layout().SetKeyboardChoice("");
}

QTEST_MAIN(TestLayoutFollowing)
#include "tst_layout_following.moc"
