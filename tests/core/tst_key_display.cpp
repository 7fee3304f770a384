// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The key to light, the modifier lamps, Backspace, the dead-key sequence and the
// captions that follow Shift, Ctrl/AltGr and Caps Lock, on the shipped key mapping.
#include <QFile>
#include <QTest>

#include "keyboard/key_display.h"
#include "keyboard/key_mapping.h"
#include "keyboard/key_names.h"

using namespace teclarium;

namespace {

class TOptions : public TKeyDisplayOptions {
  public:
    bool ShowKeyToType() const override { return Show; }
    bool OneHand() const override { return One; }
    bool Show = true;
    bool One = false;
};

TKeyCharsList ShippedKeys() {
    QFile file(QFINDTESTDATA("../../data/KeyMapping.txt"));
    if (!file.open(QIODevice::ReadOnly)) qFatal("KeyMapping.txt not found");
    const QByteArray bytes = file.readAll();
    return ReadKeyMapping(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

// A key display on the shipped mapping with its captions filled by a first message.
struct TDisplay {
    TOptions Options;
    TKeyDisplay Keys{Options};
    std::string Typed, Word;
    int Refreshes = 0;

    TDisplay() {
        Keys.SetKeyCharsList(ShippedKeys());
        Message(false, false, false);
    }
    bool Message(bool caps, bool shift, bool ctrl) {
        return Keys.AppMessage(caps, shift, ctrl, [this] {
            ++Refreshes;
            Keys.RefreshKeyDisplay(Typed, Word);
        });
    }
    void Show(std::string word, std::string typed) {
        Word = std::move(word);
        Typed = std::move(typed);
        Keys.RefreshKeyDisplay(Typed, Word);
    }
    std::size_t Entry(int code) const {
        const TKeyCharsList& list = Keys.KeyCharsList();
        for (std::size_t i = 0; i < list.size(); ++i)
            if (list[i].KeyCode == code) return i;
        qFatal("no key %d", code);
    }
    // The codes of the lit keys, e.g. "76".
    QString LitKeys() const {
        QStringList lit;
        for (std::size_t i = 0; i < Keys.KeyCharsList().size(); ++i)
            if (Keys.KeyLit(i)) lit << QString::number(Keys.KeyCharsList()[i].KeyCode);
        return lit.join(' ');
    }
    // L left Shift, R right Shift, G AltGr, B Backspace.
    QString Lamps() const {
        QString s;
        if (Keys.LeftShiftLit()) s += 'L';
        if (Keys.RightShiftLit()) s += 'R';
        if (Keys.AltGrLit()) s += 'G';
        if (Keys.BackspaceLit()) s += 'B';
        return s;
    }
    int Caption(int code) const { return Keys.Caption(Entry(code)); }
};

}  // namespace

class TestKeyDisplay : public QObject {
    Q_OBJECT

  private slots:
    void lightsTheKeyToType_data();
    void lightsTheKeyToType();
    void faceLightsOnlyWhileCaptionShowsTheCharacter();
    void unmatchedCharacterKeepsTheLamps();
    void deadKeyLetters_data();
    void deadKeyLetters();
    void deadKeySequence_data();
    void deadKeySequence();
    void wrongTextDropsThePendingSequence();
    void captionsFollowTheModifiers_data();
    void captionsFollowTheModifiers();
    void messageHandledOnlyOnAChange();
    void ctrlChangeDelaysShiftChange();
    void altGrCaptionsStayWhileAltGrIsHeld();
    void firstMessageFillsCaptionsWithShiftHeld();
    void emptyKeyListIgnoresMessages();
    void nextKeyNameSaysTheLitKeys_data();
    void nextKeyNameSaysTheLitKeys();
};

void TestKeyDisplay::lightsTheKeyToType_data() {
    QTest::addColumn<QByteArray>("word");
    QTest::addColumn<QByteArray>("typed");
    QTest::addColumn<bool>("capsLock");
    QTest::addColumn<bool>("oneHand");
    QTest::addColumn<bool>("showKeyToType");
    QTest::addColumn<QString>("litKeys");
    QTest::addColumn<QString>("lamps");

    QTest::newRow("la: L") << QByteArray("la") << QByteArray("") << false << false << true << "76"
                           << "";
    QTest::newRow("la after l: A") << QByteArray("la") << QByteArray("l") << false << false << true << "65"
                                   << "";
    QTest::newRow("la complete: nothing")
        << QByteArray("la") << QByteArray("la") << false << false << true << ""
        << "";
    QTest::newRow("Sa: right Shift for a left-hand key")
        << QByteArray("Sa") << QByteArray("") << false << false << true << ""
        << "R";
    QTest::newRow("La: left Shift for a right-hand key")
        << QByteArray("La") << QByteArray("") << false << false << true << ""
        << "L";
    QTest::newRow("Sa one hand: same side's Shift")
        << QByteArray("Sa") << QByteArray("") << false << true << true << ""
        << "L";
    QTest::newRow("caps lock: Shift for a plain letter")
        << QByteArray("la") << QByteArray("") << true << false << true << ""
        << "L";
    // Caps Lock swaps a letter's levels only: Shift+1 would type !, Caps Lock+Shift+L l.
    QTest::newRow("caps lock: a plain digit as without it")
        << QByteArray("1") << QByteArray("") << true << false << true << "49"
        << "";
    QTest::newRow("caps lock: Shift for a sign as without it")
        << QByteArray("!") << QByteArray("") << true << false << true << ""
        << "R";
    QTest::newRow("caps lock, upper case: face lit, no Shift lamp")
        << QByteArray("La") << QByteArray("") << true << false << true << "76"
        << "";
    QTest::newRow("caps lock: ñ with Shift")
        << QByteArray("\xF1") << QByteArray("") << true << false << true << ""
        << "L";
    QTest::newRow("@: AltGr") << QByteArray("@") << QByteArray("") << false << false << true << ""
                              << "G";
    QTest::newRow("ampersand: left Shift")
        << QByteArray("&") << QByteArray("") << false << false << true << ""
        << "L";
    QTest::newRow("middle dot of l.l")
        << QByteArray("l\xB7l") << QByteArray("l") << false << false << true << ""
        << "R";
    QTest::newRow("c cedilla") << QByteArray("\xE7") << QByteArray("") << false << false << true << "191"
                               << "";
    QTest::newRow("wrong text: Backspace only")
        << QByteArray("la") << QByteArray("lx") << false << false << true << ""
        << "B";
    QTest::newRow("text longer than the word: Backspace")
        << QByteArray("la") << QByteArray("lax") << false << false << true << ""
        << "B";
    QTest::newRow("not shown: nothing lit")
        << QByteArray("Sa") << QByteArray("") << false << false << false << ""
        << "";
    QTest::newRow("not shown, wrong text: not even Backspace")
        << QByteArray("la") << QByteArray("lx") << false << false << false << ""
        << "";
    QTest::newRow("a grave: the grave key")
        << QByteArray("\xE0") << QByteArray("") << false << false << true << "186"
        << "";
    QTest::newRow("A grave: the grave key first")
        << QByteArray("\xC0") << QByteArray("") << false << false << true << "186"
        << "";
    QTest::newRow("e circumflex: Shift for the circumflex")
        << QByteArray("\xEA") << QByteArray("") << false << false << true << ""
        << "L";
    QTest::newRow("u diaeresis: Shift for the diaeresis")
        << QByteArray("\xFC") << QByteArray("") << false << false << true << ""
        << "L";
    QTest::newRow("E circumflex: no key offers it")
        << QByteArray("\xCA") << QByteArray("") << false << false << true << ""
        << "";
}

void TestKeyDisplay::lightsTheKeyToType() {
    QFETCH(QByteArray, word);
    QFETCH(QByteArray, typed);
    QFETCH(bool, capsLock);
    TDisplay d;
    QFETCH(bool, oneHand);
    QFETCH(bool, showKeyToType);
    d.Options.One = oneHand;
    d.Options.Show = showKeyToType;
    d.Message(capsLock, false, false);
    d.Show(word.toStdString(), typed.toStdString());
    QTEST(d.LitKeys(), "litKeys");
    QTEST(d.Lamps(), "lamps");
}

void TestKeyDisplay::faceLightsOnlyWhileCaptionShowsTheCharacter() {
    TDisplay d;
    d.Show("Sa", "");
    QCOMPARE(d.LitKeys(), QString());
    QCOMPARE(d.Lamps(), QString("R"));
    QVERIFY(d.Message(false, true, false));  // Shift held: the S key shows S
    QCOMPARE(d.LitKeys(), QString("83"));
    QCOMPARE(d.Lamps(), QString("R"));
    QVERIFY(d.Message(false, false, false));
    QCOMPARE(d.LitKeys(), QString());

    d.Show("@", "");
    QVERIFY(d.Message(false, false, true));  // AltGr held: the 2 key shows @
    QCOMPARE(d.LitKeys(), QString("50"));
    QCOMPARE(d.Lamps(), QString("G"));
}

void TestKeyDisplay::unmatchedCharacterKeepsTheLamps() {
    TDisplay d;
    d.Show("S\xCA", "");
    QCOMPARE(d.Lamps(), QString("R"));
    d.Show("S\xCA", "S");  // Ê: no key matches, the lamps stay
    QCOMPARE(int(d.Keys.KeyToShow()), 0xCA);
    QCOMPARE(d.Lamps(), QString("R"));
    QCOMPARE(d.LitKeys(), QString());
}

void TestKeyDisplay::deadKeyLetters_data() {
    QTest::addColumn<int>("letter");
    QTest::addColumn<int>("deadKey");
    QTest::addColumn<int>("base");
    const int grave = 96, acute = 180, circumflex = 94, diaeresis = 168;
    const struct {
        const char* name;
        int letter, deadKey;
        char base;
    } rows[] = {
        {"À", 192, grave, 'A'},      {"Á", 193, acute, 'A'}, {"È", 200, grave, 'E'},
        {"É", 201, acute, 'E'},      {"Í", 205, acute, 'I'}, {"Ï", 207, diaeresis, 'I'},
        {"Ò", 210, grave, 'O'},      {"Ó", 211, acute, 'O'}, {"Ú", 218, acute, 'U'},
        {"Ü", 220, diaeresis, 'U'},  {"à", 224, grave, 'a'}, {"á", 225, acute, 'a'},
        {"â", 226, circumflex, 'a'}, {"è", 232, grave, 'e'}, {"é", 233, acute, 'e'},
        {"ê", 234, circumflex, 'e'}, {"í", 237, acute, 'i'}, {"î", 238, circumflex, 'i'},
        {"ï", 239, diaeresis, 'i'},  {"ò", 242, grave, 'o'}, {"ó", 243, acute, 'o'},
        {"ô", 244, circumflex, 'o'}, {"ú", 250, acute, 'u'}, {"û", 251, circumflex, 'u'},
        {"ü", 252, diaeresis, 'u'},
    };
    for (const auto& r : rows) QTest::newRow(r.name) << r.letter << r.deadKey << int(r.base);
}

void TestKeyDisplay::deadKeyLetters() {
    QFETCH(int, letter);
    const TDeadKeySequence dead = DeadKeyOf(static_cast<unsigned char>(letter));
    QTEST(int(dead.DeadKey), "deadKey");
    QTEST(int(dead.Base), "base");
    // These 25 letters and no other character: no Ê, no ì, no ù.
    int letters = 0;
    for (int ch = 0; ch < 256; ++ch) letters += DeadKeyOf(static_cast<unsigned char>(ch)).DeadKey != 0;
    QCOMPARE(letters, 25);
}

void TestKeyDisplay::deadKeySequence_data() {
    QTest::addColumn<QByteArray>("word");
    QTest::addColumn<int>("deadKeyCode");
    QTest::addColumn<bool>("shiftForDeadKey");
    QTest::addColumn<int>("base");
    QTest::addColumn<QString>("baseLit");  // with the captions of no modifier
    QTest::addColumn<QString>("baseLamps");
    QTest::newRow("a grave") << QByteArray("\xE0") << 186 << false << int('a') << "65"
                             << "";
    QTest::newRow("A grave") << QByteArray("\xC0") << 186 << false << int('A') << ""
                             << "R";
    QTest::newRow("e acute") << QByteArray("\xE9") << 222 << false << int('e') << "69"
                             << "";
    QTest::newRow("O acute") << QByteArray("\xD3") << 222 << false << int('O') << ""
                             << "L";
    QTest::newRow("e circumflex") << QByteArray("\xEA") << 186 << true << int('e') << "69"
                                  << "";
    QTest::newRow("u diaeresis") << QByteArray("\xFC") << 222 << true << int('u') << "85"
                                 << "";
    QTest::newRow("I diaeresis") << QByteArray("\xCF") << 222 << true << int('I') << ""
                                 << "L";
}

void TestKeyDisplay::deadKeySequence() {
    QFETCH(QByteArray, word);
    QFETCH(int, deadKeyCode);
    QFETCH(bool, shiftForDeadKey);
    QFETCH(int, base);
    TDisplay d;
    d.Show(word.toStdString(), "");
    QCOMPARE(int(d.Keys.DeadKeyBase()), base);
    // Another key, or the dead key without the modifier it needs, does nothing.
    QVERIFY(!d.Keys.DeadKeyStep(65, d.Typed, d.Word));
    if (shiftForDeadKey) {
        QVERIFY(!d.Keys.DeadKeyStep(deadKeyCode, d.Typed, d.Word));
        d.Message(false, true, false);
    }
    QVERIFY(d.Keys.DeadKeyStep(deadKeyCode, d.Typed, d.Word));
    QVERIFY(d.Keys.BaseLetterShown());
    QCOMPARE(int(d.Keys.KeyToShow()), base);
    QCOMPARE(int(d.Keys.DeadKeyBase()), 0);
    d.Message(false, false, false);
    QTEST(d.LitKeys(), "baseLit");
    QTEST(d.Lamps(), "baseLamps");
    // A second press of the dead key changes nothing; the base letter stays shown.
    QVERIFY(!d.Keys.DeadKeyStep(deadKeyCode, d.Typed, d.Word));
    d.Show(d.Word, "");
    QCOMPARE(int(d.Keys.KeyToShow()), base);
    // The drill accepts the accented letter: the sequence ends.
    d.Keys.ClearBaseLetterShown();
    d.Show(d.Word, d.Word);
    QCOMPARE(int(d.Keys.KeyToShow()), 0);
    QCOMPARE(d.LitKeys(), QString());
}

void TestKeyDisplay::wrongTextDropsThePendingSequence() {
    // With wrong characters written into the field, Backspace is the key to press,
    // whatever stage the dead-key sequence had reached.
    TDisplay d;
    d.Show("\xE0", "q");
    QCOMPARE(d.Lamps(), QString("B"));
    QVERIFY(!d.Keys.DeadKeyStep(186, d.Typed, d.Word));
    QCOMPARE(d.Lamps(), QString("B"));
    QCOMPARE(d.LitKeys(), QString());

    d.Show("\xE0", "");
    QVERIFY(d.Keys.DeadKeyStep(186, d.Typed, d.Word));
    QCOMPARE(d.LitKeys(), QString("65"));
    d.Show("\xE0", "b");  // the accent was dropped and b written
    QCOMPARE(d.Lamps(), QString("B"));
    QCOMPARE(d.LitKeys(), QString());
    d.Show("\xE0", "");  // Backspace: the sequence starts again from the dead key
    QCOMPARE(d.LitKeys(), QString("186"));
    QCOMPARE(int(d.Keys.DeadKeyBase()), int('a'));
}

void TestKeyDisplay::captionsFollowTheModifiers_data() {
    QTest::addColumn<bool>("caps");
    QTest::addColumn<bool>("shift");
    QTest::addColumn<bool>("ctrl");
    QTest::addColumn<QByteArray>("captions");  // of the keys f, 1, c cedilla, n tilde, 6, 7; '.' blank
    QTest::newRow("none") << false << false << false
                          << QByteArray(
                                 "f1\xE7\xF1"
                                 "67");
    QTest::newRow("shift") << false << true << false << QByteArray("F!\xC7\xD1&/");
    QTest::newRow("caps lock") << true << false << false
                               << QByteArray(
                                      "F1\xC7\xD1"
                                      "67");
    QTest::newRow("caps lock and shift") << true << true << false << QByteArray("f!\xE7\xF1&/");
    QTest::newRow("ctrl or AltGr") << false << false << true << QByteArray(".|}.\xAC.");
    QTest::newRow("caps lock and AltGr") << true << false << true << QByteArray(".|}.\xAC.");
    // The file gives no Shift+AltGr character: blank rather than a copy of AltGr.
    QTest::newRow("shift and AltGr") << false << true << true << QByteArray("......");
}

void TestKeyDisplay::captionsFollowTheModifiers() {
    QFETCH(bool, caps);
    QFETCH(bool, shift);
    QFETCH(bool, ctrl);
    QFETCH(QByteArray, captions);
    TDisplay d;
    // One message for Caps Lock and Ctrl, the next for Shift.
    d.Message(caps, shift, ctrl);
    d.Message(caps, shift, ctrl);
    const int codes[] = {70, 49, 191, 192, 54, 55};
    for (int i = 0; i < 6; ++i) {
        const int expected = captions[i] == '.' ? 0 : static_cast<unsigned char>(captions[i]);
        QCOMPARE(d.Caption(codes[i]), expected);
    }
    QCOMPARE(d.Keys.CapsLockOn(), caps);
}

void TestKeyDisplay::messageHandledOnlyOnAChange() {
    TOptions options;
    TKeyDisplay keys(options);
    keys.SetKeyCharsList(ShippedKeys());
    int refreshes = 0;
    const auto refresh = [&] { ++refreshes; };
    // Captions are blank until the first message, which finds Shift "changed".
    QCOMPARE(int(keys.Caption(0)), 0);
    QVERIFY(keys.AppMessage(false, false, false, refresh));
    QCOMPARE(int(keys.Caption(0)), 0xBA);  // º
    QCOMPARE(refreshes, 1);
    QVERIFY(!keys.AppMessage(false, false, false, refresh));
    QCOMPARE(refreshes, 1);
    QVERIFY(keys.AppMessage(true, false, false, refresh));
    QCOMPARE(refreshes, 2);
    QVERIFY(!keys.AppMessage(true, false, false, refresh));
    QVERIFY(keys.AppMessage(false, false, false, refresh));
    QCOMPARE(refreshes, 3);
}

void TestKeyDisplay::ctrlChangeDelaysShiftChange() {
    TDisplay d;
    QVERIFY(d.Message(false, true, true));
    QVERIFY(d.Keys.CtrlDown());
    QVERIFY(!d.Keys.ShiftDown());  // noticed at the next message
    QCOMPARE(d.Caption(50), int('@'));
    QVERIFY(d.Message(false, true, true));
    QVERIFY(d.Keys.ShiftDown());
    QVERIFY(!d.Message(false, true, true));
}

void TestKeyDisplay::altGrCaptionsStayWhileAltGrIsHeld() {
    TDisplay d;
    QVERIFY(d.Message(false, false, true));
    QCOMPARE(d.Caption(50), int('@'));
    QVERIFY(d.Message(false, true, true));  // Shift joins AltGr: the file has no such level
    QVERIFY(d.Keys.ShiftDown());
    QCOMPARE(d.Caption(50), 0);
    QCOMPARE(d.Caption(70), 0);
    QVERIFY(d.Message(true, false, true));  // Caps Lock instead of Shift: AltGr as it is
    QCOMPARE(d.Caption(50), int('@'));
    QVERIFY(d.Message(true, true, false));  // AltGr released: Shift and Caps Lock show
    QVERIFY(d.Message(true, true, false));
    QCOMPARE(d.Caption(50), int('"'));
    QCOMPARE(d.Caption(70), int('f'));
}

void TestKeyDisplay::firstMessageFillsCaptionsWithShiftHeld() {
    TOptions options;
    TKeyDisplay keys(options);
    keys.SetKeyCharsList(ShippedKeys());
    QVERIFY(keys.AppMessage(false, true, false, [] {}));
    QCOMPARE(int(keys.Caption(0)), 0xAA);  // ª, the shifted º
    QVERIFY(!keys.AppMessage(false, true, false, [] {}));
    // A new key list starts blank again.
    keys.SetKeyCharsList(ShippedKeys());
    QCOMPARE(int(keys.Caption(0)), 0);
    QVERIFY(keys.AppMessage(false, true, false, [] {}));
    QCOMPARE(int(keys.Caption(0)), 0xAA);
}

void TestKeyDisplay::emptyKeyListIgnoresMessages() {
    TOptions options;
    TKeyDisplay keys(options);
    int refreshes = 0;
    QVERIFY(!keys.AppMessage(true, false, true, [&] { ++refreshes; }));
    QCOMPARE(refreshes, 0);
    QVERIFY(!keys.CapsLockOn());
    keys.RefreshKeyDisplay("", "la");
    QCOMPARE(int(keys.KeyToShow()), int('l'));
    QVERIFY(!keys.LeftShiftLit() && !keys.RightShiftLit() && !keys.AltGrLit());
}

// What a screen reader hears as the next key names the keys the display lights.
void TestKeyDisplay::nextKeyNameSaysTheLitKeys_data() {
    QTest::addColumn<QByteArray>("word");
    QTest::addColumn<QByteArray>("typed");
    QTest::addColumn<QByteArray>("held");  // S Shift, G AltGr
    QTest::addColumn<bool>("spaceBar");    // the drill's own lamp
    QTest::addColumn<QString>("name");
    const auto next = [](const char* keys) {
        return QString::fromUtf8("Tecla següent: ") + QString::fromUtf8(keys);
    };
    QTest::newRow("nothing to type") << QByteArray() << QByteArray() << QByteArray() << false
                                     << QStringLiteral("Teclat virtual");
    QTest::newRow("a letter") << QByteArray("casa") << QByteArray("ca") << QByteArray() << false
                              << next("s S");
    // The character's key lights once its modifier is held.
    QTest::newRow("a capital, Shift held")
        << QByteArray("Ara") << QByteArray() << QByteArray("S") << false << next("Majúscules dreta + a A");
    QTest::newRow("a capital, Shift up")
        << QByteArray("Pa") << QByteArray() << QByteArray() << false << next("Majúscules esquerra");
    QTest::newRow("an AltGr character, AltGr held")
        << QByteArray("@") << QByteArray() << QByteArray("G") << false << next("Alt Gr + 2 \"");
    QTest::newRow("a wrong character")
        << QByteArray("casa") << QByteArray("cx") << QByteArray() << false << next("Retrocés");
    QTest::newRow("the word typed") << QByteArray("casa") << QByteArray("casa") << QByteArray() << true
                                    << next("barra espaiadora");
}

void TestKeyDisplay::nextKeyNameSaysTheLitKeys() {
    QFETCH(QByteArray, word);
    QFETCH(QByteArray, typed);
    QFETCH(QByteArray, held);
    QFETCH(bool, spaceBar);
    TDisplay d;
    d.Show(word.toStdString(), typed.toStdString());
    d.Message(false, held == "S", held == "G");
    const TKeyDisplay& k = d.Keys;
    TLitKeys lit{-1, k.BackspaceLit(), k.LeftShiftLit(), k.RightShiftLit(), k.AltGrLit(), spaceBar};
    for (std::size_t i = 0; i < k.KeyCharsList().size(); ++i)
        if (k.KeyLit(i)) lit.Entry = static_cast<int>(i);
    QTEST(NextKeyName(k.KeyCharsList(), lit), "name");
}

QTEST_APPLESS_MAIN(TestKeyDisplay)
#include "tst_key_display.moc"
