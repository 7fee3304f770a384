// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// Reading KeyMapping.txt: fields, hand marker, first matching line, malformed lines,
// key-number order, and the shipped file.
#include <QFile>
#include <QTest>
#include <algorithm>
#include <set>

#include "keyboard/key_mapping.h"
#include "keyboard/key_table.h"

using namespace teclarium;

namespace {

const TKeyChars* Find(const TKeyCharsList& keys, int code) {
    for (const TKeyChars& k : keys)
        if (k.KeyCode == code) return &k;
    return nullptr;
}

std::string Bytes(const QByteArray& a) {
    return std::string(a.constData(), static_cast<std::size_t>(a.size()));
}

}  // namespace

class TestKeyMapping : public QObject {
    Q_OBJECT

  private slots:
    void readsTheAKey_data();
    void readsTheAKey();
    void keepsKeyNumberOrderWhateverTheLineOrder();
    void specialKeysNeverGetEntries();
    void emptyOrUnmatchedFileGivesNoEntries();
    void shippedFileMapsTheSpanishLayout();
};

void TestKeyMapping::readsTheAKey_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("mapped");
    QTest::addColumn<bool>("rightHand");
    QTest::addColumn<int>("plain");
    QTest::addColumn<int>("shifted");
    QTest::addColumn<int>("altGr");

    QTest::newRow("four fields") << QByteArray("65 L a A\r\n") << true << false << int('a') << int('A') << 0;
    QTest::newRow("R marks the right hand")
        << QByteArray("65 R a A") << true << true << int('a') << int('A') << 0;
    QTest::newRow("lower-case r is the left hand")
        << QByteArray("65 r a A") << true << false << int('a') << int('A') << 0;
    QTest::newRow("only the first letter of the hand counts")
        << QByteArray("65 Right a A") << true << true << int('a') << int('A') << 0;
    QTest::newRow("fifth field: its first character")
        << QByteArray("65 L a A xyz") << true << false << int('a') << int('A') << int('x');
    QTest::newRow("fields 3 and 4: their first character")
        << QByteArray("65 L abc ABC") << true << false << int('a') << int('A') << 0;
    QTest::newRow("trailing space: no AltGr character")
        << QByteArray("65 L a A ") << true << false << int('a') << int('A') << 0;
    QTest::newRow("Windows-1252 bytes")
        << QByteArray("65 L \xE7 \xC7 \x80") << true << false << 0xE7 << 0xC7 << 0x80;
    QTest::newRow("leading zero does not match") << QByteArray("065 L a A") << false << false << 0 << 0 << 0;
    QTest::newRow("leading space does not match") << QByteArray(" 65 L a A") << false << false << 0 << 0 << 0;
    QTest::newRow("first of two lines wins")
        << QByteArray("65 L a A\r\n65 R b B\r\n") << true << false << int('a') << int('A') << 0;
    QTest::newRow("lone LF ends lines")
        << QByteArray("66 L b B\n65 R a A\n") << true << true << int('a') << int('A') << 0;
    QTest::newRow("lone CR ends lines")
        << QByteArray("66 L b B\r65 R a A") << true << true << int('a') << int('A') << 0;
    QTest::newRow("an editor's byte-order mark skipped") << QByteArray(
                                                                "\xEF\xBB\xBF"
                                                                "65 L a A\r\n")
                                                         << true << false << int('a') << int('A') << 0;
    QTest::newRow("three fields: line skipped") << QByteArray("65 L a") << false << false << 0 << 0 << 0;
    QTest::newRow("skipped line leaves the next one")
        << QByteArray("65 L a\r\n65 R b B\r\n") << true << true << int('b') << int('B') << 0;
    QTest::newRow("empty hand field: skipped") << QByteArray("65  a A") << false << false << 0 << 0 << 0;
    QTest::newRow("empty plain field: skipped") << QByteArray("65 L  a A") << false << false << 0 << 0 << 0;
    QTest::newRow("empty shifted field: skipped") << QByteArray("65 L a  A") << false << false << 0 << 0 << 0;
    QTest::newRow("code alone: skipped") << QByteArray("65\r\n") << false << false << 0 << 0 << 0;
}

void TestKeyMapping::readsTheAKey() {
    QFETCH(QByteArray, file);
    QFETCH(bool, mapped);
    const TKeyCharsList keys = ReadKeyMapping(Bytes(file));
    const TKeyChars* k = Find(keys, 65);
    QCOMPARE(k != nullptr, mapped);
    if (!k) return;
    // One entry per key: a later line for the same code adds nothing.
    QCOMPARE(std::count_if(keys.begin(), keys.end(), [](const TKeyChars& e) { return e.KeyCode == 65; }), 1);
    QFETCH(bool, rightHand);
    QFETCH(int, plain);
    QFETCH(int, shifted);
    QFETCH(int, altGr);
    QCOMPARE(k->KeyNumber, 26);
    QCOMPARE(k->RightHand, rightHand);
    QCOMPARE(int(k->Plain), plain);
    QCOMPARE(int(k->Shifted), shifted);
    QCOMPARE(int(k->AltGr), altGr);
}

void TestKeyMapping::keepsKeyNumberOrderWhateverTheLineOrder() {
    // Lines for the minus key (48), A (26), Q (14) and the º key (1), in that order.
    const TKeyCharsList keys = ReadKeyMapping("189 R - _\r\n65 L a A\r\n81 L q Q\r\n220 L \xBA \xAA \\\r\n");
    QCOMPARE(keys.size(), std::size_t(4));
    const int numbers[] = {1, 14, 26, 48};
    const int codes[] = {220, 81, 65, 189};
    for (std::size_t i = 0; i < keys.size(); ++i) {
        QCOMPARE(keys[i].KeyNumber, numbers[i]);
        QCOMPARE(int(keys[i].KeyCode), codes[i]);
        QCOMPARE(int(kKeyCodes[static_cast<std::size_t>(keys[i].KeyNumber)]), codes[i]);
    }
}

void TestKeyMapping::specialKeysNeverGetEntries() {
    // Shift, Caps Lock, Backspace and space have codes of their own: no key takes them.
    const TKeyCharsList keys = ReadKeyMapping("16 L a A\r\n20 L b B\r\n8 R c C\r\n32 R d D\r\n0 L e E\r\n");
    QVERIFY(keys.empty());
}

void TestKeyMapping::emptyOrUnmatchedFileGivesNoEntries() {
    QVERIFY(ReadKeyMapping("").empty());
    QVERIFY(ReadKeyMapping("\r\n\r\n").empty());
    QVERIFY(ReadKeyMapping("hello world\r\n999 L a A\r\n").empty());
}

void TestKeyMapping::shippedFileMapsTheSpanishLayout() {
    QFile file(QFINDTESTDATA("../../data/KeyMapping.txt"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.contains("\r\n"));
    const TKeyCharsList keys = ReadKeyMapping(Bytes(bytes));
    QCOMPARE(keys.size(), std::size_t(kCharKeyCount));

    // The dead keys stand on the keys that type them.
    QCOMPARE(int(Find(keys, 186)->Plain), 96);
    QCOMPARE(int(Find(keys, 186)->Shifted), 94);
    QCOMPARE(int(Find(keys, 222)->Plain), 180);
    QCOMPARE(int(Find(keys, 222)->Shifted), 168);
    QCOMPARE(int(Find(keys, 50)->AltGr), int('@'));
    QCOMPARE(int(Find(keys, 51)->Shifted), 0xB7);  // · of l·l
    QCOMPARE(int(Find(keys, 192)->Plain), 0xF1);   // ñ
    QCOMPARE(int(Find(keys, 191)->Plain), 0xE7);   // ç

    // Every character is typed by one key only, so the key to light is never ambiguous.
    std::set<unsigned char> seen;
    for (const TKeyChars& k : keys)
        for (unsigned char c : {k.Plain, k.Shifted, k.AltGr}) {
            if (c == 0) continue;
            QVERIFY2(seen.insert(c).second, qPrintable(QStringLiteral("character %1 twice").arg(int(c))));
        }

    // Touch-typing hands: the right hand from 6, Y, H and N on.
    for (int code : {54, 55, 89, 85, 72, 74, 78, 77, 186, 222, 191, 189})
        QVERIFY(Find(keys, code)->RightHand);
    for (int code : {220, 49, 53, 81, 84, 65, 71, 226, 90, 66}) QVERIFY(!Find(keys, code)->RightHand);
}

QTEST_APPLESS_MAIN(TestKeyMapping)
#include "tst_key_mapping.moc"
