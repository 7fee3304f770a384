// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// Key events to the Spanish layout's virtual-key codes: X keycodes of a pc105
// keyboard first, Qt keys for events without a known position, and dead keys.
#include <QKeyEvent>
#include <QTest>
#include <set>

#include "keyboard/key_table.h"
#include "platform/ui/virtual_keys.h"

using namespace teclarium;

class TestVirtualKeys : public QObject {
    Q_OBJECT

  private slots:
    void scanCodes_data();
    void scanCodes();
    void everyKeyOfTheKeyboardIsReachable();
    void keyEvents_data();
    void keyEvents();
};

void TestVirtualKeys::scanCodes_data() {
    QTest::addColumn<uint>("scanCode");
    QTest::addColumn<int>("vk");
    const struct {
        const char* name;
        uint scan;
        int vk;
    } rows[] = {
        {"masculine ordinal", 49, 220},
        {"1", 10, 49},
        {"0", 19, 48},
        {"apostrophe", 20, 219},
        {"inverted !", 21, 221},
        {"Backspace", 22, 8},
        {"Q", 24, 81},
        {"P", 33, 80},
        {"dead grave", 34, 186},
        {"plus", 35, 187},
        {"A", 38, 65},
        {"L", 46, 76},
        {"n tilde", 47, 192},
        {"dead acute", 48, 222},
        {"c cedilla", 51, 191},
        {"less than", 94, 226},
        {"Z", 52, 90},
        {"M", 58, 77},
        {"comma", 59, 188},
        {"period", 60, 190},
        {"minus", 61, 189},
        {"Caps Lock", 66, 20},
        {"left Shift", 50, 16},
        {"right Shift", 62, 16},
        {"space", 65, 32},
        {"Escape", 9, 27},
        {"Home", 110, 36},
        {"Left", 113, 37},
        {"Up", 111, 38},
        {"AltGr", 108, 18},
        {"none", 0, 0},
        {"unknown", 200, 0},
        {"out of range", 1000, 0},
    };
    for (const auto& r : rows) QTest::newRow(r.name) << r.scan << r.vk;
}

void TestVirtualKeys::scanCodes() {
    QFETCH(uint, scanCode);
    QTEST(VirtualKeyOfScanCode(scanCode), "vk");
}

void TestVirtualKeys::everyKeyOfTheKeyboardIsReachable() {
    // Each of the 48 character keys is the code of exactly one physical key.
    std::multiset<int> codes;
    for (unsigned scan = 0; scan < 256; ++scan) codes.insert(VirtualKeyOfScanCode(scan));
    for (int number = 1; number <= kCharKeyCount; ++number) {
        const int code = kKeyCodes[static_cast<std::size_t>(number)];
        QVERIFY2(codes.count(code) == 1, qPrintable(QStringLiteral("code %1").arg(code)));
    }
}

void TestVirtualKeys::keyEvents_data() {
    QTest::addColumn<int>("qtKey");
    QTest::addColumn<uint>("scanCode");
    QTest::addColumn<int>("vk");
    QTest::addColumn<bool>("dead");
    QTest::newRow("position wins over the key") << int(Qt::Key_unknown) << 38u << 65 << false;
    QTest::newRow("letter without position") << int(Qt::Key_A) << 0u << 65 << false;
    QTest::newRow("digit without position") << int(Qt::Key_7) << 0u << 55 << false;
    QTest::newRow("Home") << int(Qt::Key_Home) << 0u << 36 << false;
    QTest::newRow("Left") << int(Qt::Key_Left) << 0u << 37 << false;
    QTest::newRow("Up") << int(Qt::Key_Up) << 0u << 38 << false;
    QTest::newRow("AltGr") << int(Qt::Key_AltGr) << 0u << 18 << false;
    QTest::newRow("dead grave") << int(Qt::Key_Dead_Grave) << 34u << 186 << true;
    QTest::newRow("dead grave without position") << int(Qt::Key_Dead_Grave) << 0u << 186 << true;
    QTest::newRow("dead circumflex") << int(Qt::Key_Dead_Circumflex) << 0u << 186 << true;
    QTest::newRow("dead acute") << int(Qt::Key_Dead_Acute) << 48u << 222 << true;
    QTest::newRow("dead diaeresis") << int(Qt::Key_Dead_Diaeresis) << 0u << 222 << true;
    QTest::newRow("unknown key, no position") << int(Qt::Key_unknown) << 0u << 0 << false;
    QTest::newRow("Shift is no dead key") << int(Qt::Key_Shift) << 50u << 16 << false;
}

void TestVirtualKeys::keyEvents() {
    QFETCH(int, qtKey);
    QFETCH(uint, scanCode);
    const QKeyEvent e(QEvent::KeyRelease, qtKey, Qt::NoModifier, scanCode, 0, 0);
    QTEST(VirtualKeyOf(e), "vk");
    QTEST(IsDeadKey(e), "dead");
}

QTEST_MAIN(TestVirtualKeys)
#include "tst_virtual_keys.moc"
