// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// Keyboard geometry from the font size, the window arrangement, the finger zones and
// the typing-area arithmetic.
#include <QTest>

#include "keyboard/key_table.h"
#include "keyboard/keyboard_geometry.h"
#include "keyboard/zone_colours.h"

using namespace teclarium;

class TestKeyboardGeometry : public QObject {
    Q_OBJECT

  private slots:
    void roundsHalfToEven_data();
    void roundsHalfToEven();
    void keyMeasures_data();
    void keyMeasures();
    void keyboardSize_data();
    void keyboardSize();
    void placesTheKeysAtFontSize13();
    void separatedMovesEveryKeyDown();
    void framesSurroundTheirKeys();
    void arrangesTheWindow_data();
    void arrangesTheWindow();
    void frameZones_data();
    void frameZones();
    void typingFontSizes_data();
    void typingFontSizes();
    void typingAreaPlaces();
};

void TestKeyboardGeometry::roundsHalfToEven_data() {
    QTest::addColumn<int>("numerator");
    QTest::addColumn<int>("denominator");
    QTest::addColumn<int>("rounded");
    QTest::newRow("15 x 0.7 = 10.5") << 105 << 10 << 10;
    QTest::newRow("25 x 0.7 = 17.5") << 175 << 10 << 18;
    QTest::newRow("13 x 0.7 = 9.1") << 91 << 10 << 9;
    QTest::newRow("0.9 x 738 = 664.2") << 6642 << 10 << 664;
    QTest::newRow("0.75 x 401 = 300.75") << 1203 << 4 << 301;
    QTest::newRow("0.75 x 402 = 301.5") << 1206 << 4 << 302;
    QTest::newRow("4.5 x 29 = 130.5") << 261 << 2 << 130;
    QTest::newRow("4.5 x 31 = 139.5") << 279 << 2 << 140;
    QTest::newRow("exact") << 40 << 4 << 10;
}

void TestKeyboardGeometry::roundsHalfToEven() {
    QFETCH(int, numerator);
    QFETCH(int, denominator);
    QFETCH(int, rounded);
    QCOMPARE(RoundHalfEven(numerator, denominator), rounded);
}

void TestKeyboardGeometry::keyMeasures_data() {
    QTest::addColumn<int>("fs");
    QTest::addColumn<int>("K");
    QTest::addColumn<int>("G");
    QTest::addColumn<int>("B");
    QTest::newRow("8") << 8 << 14 << 3 << 2;
    QTest::newRow("11") << 11 << 19 << 4 << 2;
    QTest::newRow("13") << 13 << 22 << 5 << 3;
    QTest::newRow("15") << 15 << 25 << 6 << 3;
    QTest::newRow("25") << 25 << 42 << 10 << 5;
    QTest::newRow("255 wraps in 8 bits") << 255 << 169 << 42 << 21;
}

void TestKeyboardGeometry::keyMeasures() {
    QFETCH(int, fs);
    const TKeyMeasures m = KeyMeasures(static_cast<std::uint8_t>(fs));
    QTEST(int(m.K), "K");
    QTEST(int(m.G), "G");
    QTEST(int(m.B), "B");
}

void TestKeyboardGeometry::keyboardSize_data() {
    QTest::addColumn<int>("fs");
    QTest::addColumn<bool>("separated");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("capsLockFont");
    QTest::newRow("13") << 13 << false << 383 << 129 << 9;
    QTest::newRow("13 spaced") << 13 << true << 383 << 168 << 9;
    QTest::newRow("25") << 25 << false << 738 << 249 << 18;
    QTest::newRow("25 spaced") << 25 << true << 738 << 323 << 18;
    QTest::newRow("8") << 8 << false << 241 << 81 << 6;
    QTest::newRow("8 spaced") << 8 << true << 241 << 106 << 6;
    QTest::newRow("15") << 15 << false << 14 * 25 + 15 * 6 << 6 + 4 * 31 + 12 + 6 << 10;
}

void TestKeyboardGeometry::keyboardSize() {
    QFETCH(int, fs);
    QFETCH(bool, separated);
    const TKeyboardGeometry g = KeyboardGeometry(static_cast<std::uint8_t>(fs), separated);
    QTEST(g.Width, "width");
    QTEST(g.Height, "height");
    QTEST(g.CapsLockFontSize, "capsLockFont");
    QCOMPARE(g.KeyFontSize, fs);
    QCOMPARE(g.AltGrFontSize, fs / 2);
    // The AltGr key ends inside the keyboard, the Backspace key at its right edge.
    QVERIFY(g.AltGr.Left + g.AltGr.Width <= g.Width);
    QCOMPARE(g.Keys[kBackspaceKey].Left + g.Keys[kBackspaceKey].Width + KeyMeasures(fs).G, g.Width);
}

void TestKeyboardGeometry::placesTheKeysAtFontSize13() {
    const TKeyboardGeometry g = KeyboardGeometry(13, false);
    // K 22, G 5: rows at 5, 32, 59, 86; the space bar row at 113.
    QCOMPARE(g.Keys[1], (TBox{5, 5, 22, 22}));
    QCOMPARE(g.Keys[13], (TBox{5 + 12 * 27, 5, 22, 22}));
    QCOMPARE(g.Keys[kBackspaceKey], (TBox{5 + 13 * 27, 5, 22, 22}));
    QCOMPARE(g.Keys[14], (TBox{22 / 3 + 22 + 10, 32, 22, 22}));
    QCOMPARE(g.Keys[kCapsLockKey], (TBox{5, 59, 36, 22}));
    QCOMPARE(g.Keys[26], (TBox{5 + 36 + 5, 59, 22, 22}));
    QCOMPARE(g.Keys[kLeftShiftKey], (TBox{5, 86, 22, 22}));
    QCOMPARE(g.Keys[38], (TBox{32, 86, 22, 22}));
    QCOMPARE(g.Keys[48], (TBox{32 + 10 * 27, 86, 22, 22}));
    QCOMPARE(g.Keys[kRightShiftKey], (TBox{32 + 11 * 27, 86, 22, 22}));
    // The space bar starts under V (key 42) and spans it and the next two keys.
    QCOMPARE(g.SpaceBar, (TBox{g.Keys[42].Left, 113, 76, 11}));
    QCOMPARE(g.SpaceBar.Left + g.SpaceBar.Width, g.Keys[44].Left + g.Keys[44].Width);
    QCOMPARE(g.AltGr, (TBox{g.Keys[42].Left + 76 + 5, 113, 29, 11}));
    QCOMPARE(g.AltGrFontSize, 6);
    // Every row's keys follow each other with one gap between them.
    for (const TKeyRow& row : kKeyRows)
        for (int key = row.First; key < row.Last; ++key) {
            QCOMPARE(g.Keys[key + 1].Left, g.Keys[key].Left + 27);
            QCOMPARE(g.Keys[key + 1].Top, g.Keys[key].Top);
        }
}

void TestKeyboardGeometry::separatedMovesEveryKeyDown() {
    const TKeyboardGeometry flat = KeyboardGeometry(13, false);
    const TKeyboardGeometry spaced = KeyboardGeometry(13, true);
    for (int key = 1; key <= kKeyCount; ++key) {
        QCOMPARE(spaced.Keys[key].Top, flat.Keys[key].Top + 39);
        QCOMPARE(spaced.Keys[key].Left, flat.Keys[key].Left);
        QCOMPARE(spaced.Frames[key].Top, flat.Frames[key].Top + 39);
    }
    QCOMPARE(spaced.SpaceBar.Top, flat.SpaceBar.Top + 39);
    QCOMPARE(spaced.Width, flat.Width);
}

void TestKeyboardGeometry::framesSurroundTheirKeys() {
    for (int fs : {8, 13, 25}) {
        const TKeyboardGeometry g = KeyboardGeometry(static_cast<std::uint8_t>(fs), false);
        const int B = KeyMeasures(static_cast<std::uint8_t>(fs)).B;
        for (int key = 1; key <= kKeyCount; ++key) {
            const TBox& k = g.Keys[key];
            const TBox& f = g.Frames[key];
            QCOMPARE(f, (TBox{k.Left - B, k.Top - B, k.Width + 2 * B + 1, k.Height + 2 * B + 1}));
            QVERIFY(f.Left >= 0 && f.Top >= 0);
        }
    }
}

void TestKeyboardGeometry::arrangesTheWindow_data() {
    QTest::addColumn<bool>("show");
    QTest::addColumn<int>("pw");
    QTest::addColumn<int>("vw");
    QTest::addColumn<int>("panelLeft");
    QTest::addColumn<int>("keyboardLeft");
    QTest::addColumn<int>("clientWidth");
    // Upper panel 300 high, keyboard 129 high throughout.
    QTest::newRow("panel 401, keyboard 383") << true << 401 << 383 << 0 << 0 << 401;
    QTest::newRow("keyboard 738 far wider") << true << 401 << 738 << 206 << 0 << 738;
    QTest::newRow("keyboard 241 centred in 0.75 pw") << true << 401 << 241 << 0 << 30 << 401;
    QTest::newRow("panel within 0.9 vw: flush right") << true << 350 << 383 << 33 << 0 << 383;
    QTest::newRow("panel exactly 0.9 vw: flush right") << true << 360 << 400 << 40 << 0 << 400;
    QTest::newRow("keyboard exactly 0.75 pw") << true << 300 << 225 << 0 << 0 << 300;
    QTest::newRow("keyboard just under 0.75 pw") << true << 404 << 300 << 0 << 1 << 404;
    QTest::newRow("equal widths") << true << 383 << 383 << 0 << 0 << 383;
    QTest::newRow("hidden keyboard") << false << 401 << 738 << 0 << 0 << 401;
}

void TestKeyboardGeometry::arrangesTheWindow() {
    QFETCH(bool, show);
    QFETCH(int, pw);
    QFETCH(int, vw);
    const TWindowArrangement a = ArrangeWindowGeometry(show, pw, 300, vw, 129);
    QTEST(a.PanelLeft, "panelLeft");
    QTEST(a.KeyboardLeft, "keyboardLeft");
    QTEST(a.ClientWidth, "clientWidth");
    QCOMPARE(a.KeyboardShown, show);
    QCOMPARE(a.ClientHeight, show ? 429 : 300);
    if (show) QCOMPARE(a.KeyboardTop, 300);
    // Both parts lie within the client area.
    QVERIFY(a.PanelLeft + pw <= a.ClientWidth);
    if (show) QVERIFY(a.KeyboardLeft + vw <= a.ClientWidth);
}

void TestKeyboardGeometry::frameZones_data() {
    QTest::addColumn<bool>("oneHand");
    QTest::addColumn<bool>("natural");
    QTest::addColumn<QString>("zones");  // keys 1..52, rows separated by spaces
    const QString twoHands = "1101001101000 101001101000 101001101000 11010011010 1100";
    QTest::newRow("two hands") << false << false << twoHands;
    QTest::newRow("natural keyboard: 6 joins the left index")
        << false << true << "1101000101000 101001101000 101001101000 11010011010 1100";
    const QString oneHand = "1111101000000 111101000000 111101000000 11111010000 1100";
    QTest::newRow("one hand") << true << false << oneHand;
    QTest::newRow("one hand wins over natural") << true << true << oneHand;
}

void TestKeyboardGeometry::frameZones() {
    QFETCH(bool, oneHand);
    QFETCH(bool, natural);
    QFETCH(QString, zones);
    zones.remove(' ');
    QCOMPARE(zones.size(), kKeyCount);
    const auto actual = FrameZones({oneHand, natural});
    for (int key = 1; key <= kKeyCount; ++key)
        QVERIFY2((actual[key] == TZone::Lime) == (zones[key - 1] == '1'),
                 qPrintable(QStringLiteral("key %1").arg(key)));
    // Row 2 with two hands: Q lime, W yellow, E lime, R T yellow, Y U lime.
    if (!oneHand) {
        const auto zoneOf = [&](int code) { return actual[KeyNumberOfCode(code)]; };
        QCOMPARE(zoneOf('Q'), TZone::Lime);
        QCOMPARE(zoneOf('W'), TZone::Yellow);
        QCOMPARE(zoneOf('T'), TZone::Yellow);
        QCOMPARE(zoneOf('Y'), TZone::Lime);
        QCOMPARE(zoneOf('6'), natural ? TZone::Yellow : TZone::Lime);
    }
}

void TestKeyboardGeometry::typingFontSizes_data() {
    QTest::addColumn<int>("es");
    QTest::addColumn<int>("margin");
    QTest::addColumn<int>("countSize");
    QTest::newRow("14") << 14 << 2 << 10;
    QTest::newRow("15 (10.5 to even)") << 15 << 2 << 10;
    QTest::newRow("18") << 18 << 3 << 13;
    QTest::newRow("25 (17.5 to even)") << 25 << 4 << 18;
    QTest::newRow("30") << 30 << 5 << 21;
}

void TestKeyboardGeometry::typingFontSizes() {
    QFETCH(int, es);
    QTEST(TypingMargin(static_cast<std::uint8_t>(es)), "margin");
    QTEST(CountFontSize(static_cast<std::uint8_t>(es)), "countSize");
}

void TestKeyboardGeometry::typingAreaPlaces() {
    TTypingAreaMeasures m;
    m.Es = 30;  // margin 5
    m.ToWriteHeight = 46;
    m.CountHeight = 33;
    m.EditHeight = 53;
    m.IncorrectKeyHeight = 46;
    m.TypeEscWidth = 140;
    m.TypeEscHeight = 17;
    m.PlayHeight = 28;
    m.EditLeft = 116;
    m.ToNextWriteWidth = 250;
    m.MinPanelWidth = 640;
    const TTypingAreaLayout t = TypingAreaGeometry(m);
    QCOMPARE(t.Margin, 5);
    QCOMPARE(t.ToWriteTop, 5);
    QCOMPARE(t.CountTop, 5 + 46 - 33);
    QCOMPARE(t.EditTop, 46 + 10);
    QCOMPARE(t.EditWidth, 238);  // 53 x 4.5 = 238.5, to even
    QCOMPARE(t.IncorrectKeyTop, 56 + (53 - 46) / 2);
    QCOMPARE(t.ToNextWriteLeft, 116 + 238 + 5);
    QCOMPARE(t.TypeEscTop, 56 + 53 - 17);
    QCOMPARE(t.TypeEscLeft, 359 + 250 + 5);
    QCOMPARE(t.PlayTop, 56 + 53 - 28);
    // Wide enough for the Escape hint: 614 + 140 + 5.
    QCOMPARE(t.PanelWidth, 759);
    m.ToNextWriteWidth = 10;
    m.TypeEscWidth = 10;
    QCOMPARE(TypingAreaGeometry(m).PanelWidth, 640);
    m.MinPanelWidth = 100;
    QCOMPARE(TypingAreaGeometry(m).PanelWidth, 359 + 238 + 5);

    QCOMPARE(TypingPanelHeight(81, true, 214), 214 + 81 + 35);
    QCOMPARE(TypingPanelHeight(81, false, 214), 81 + 33);
}

QTEST_APPLESS_MAIN(TestKeyboardGeometry)
#include "tst_keyboard_geometry.moc"
