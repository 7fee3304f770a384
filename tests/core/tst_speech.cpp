// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// What the drill says in Catalan, on the shipped key mapping: the characters'
// names, the keys of a character and their finger and row, and the utterances of
// a key, a new word, the next key asked for and the counters.
#include <QFile>
#include <QTest>

#include "keyboard/key_mapping.h"
#include "speech/char_names.h"
#include "speech/drill_speech.h"
#include "speech/key_speech.h"

using namespace teclarium;

namespace {

TKeyCharsList ShippedKeyChars() {
    QFile file(QFINDTESTDATA("../../data/KeyMapping.txt"));
    if (!file.open(QIODevice::ReadOnly)) qFatal("KeyMapping.txt not found");
    const QByteArray bytes = file.readAll();
    return ReadKeyMapping(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

const TKeySpeech& ShippedKeys() {
    static const TKeySpeech keys(ShippedKeyChars());
    return keys;
}

// The shipped keys changed as another layout has them: à on the 0 key by itself,
// ¤ with Shift and AltGr on the 2 key, an ordinary ` on the º key, and no dead key for è.
const TKeySpeech& OtherKeys() {
    static const TKeySpeech keys = [] {
        TKeyCharsList chars = ShippedKeyChars();
        for (TKeyChars& key : chars) {
            if (key.Plain == '0') key.Plain = 0xE0;
            if (key.Plain == '2') key.ShiftAltGr = 0xA4;
            if (key.Plain == 0xBA) key.Plain = '`';
        }
        chars.DeadKeys[0xE8] = {};
        return TKeySpeech(chars);
    }();
    return keys;
}

}  // namespace

class TestSpeech : public QObject {
    Q_OBJECT

  private slots:
    void charNames_data() {
        QTest::addColumn<int>("ch");
        QTest::addColumn<QString>("name");
        QTest::newRow("letter") << int('f') << "efa";
        QTest::newRow("capital") << int('F') << "efa majúscula";
        QTest::newRow("y") << int('y') << "i grega";
        QTest::newRow("grave") << 0xE0 << "a amb accent obert";
        QTest::newRow("capital acute") << 0xC9 << "e majúscula amb accent tancat";
        QTest::newRow("diaeresis") << 0xEF << "i amb dièresi";
        QTest::newRow("cedilla") << 0xE7 << "ce trencada";
        QTest::newRow("capital cedilla") << 0xC7 << "ce trencada majúscula";
        QTest::newRow("eñe") << 0xF1 << "enya";
        QTest::newRow("at") << int('@') << "arrova";
        QTest::newRow("middle dot") << 0xB7 << "punt volat";
        QTest::newRow("digit") << int('2') << "2";
        QTest::newRow("euro") << 0x80 << "euro";
        QTest::newRow("times sign is no capital") << 0xD7 << QString::fromUtf8("×");
        QTest::newRow("control") << 7 << "";
    }
    void charNames() {
        QFETCH(int, ch);
        QFETCH(QString, name);
        QCOMPARE(CharName(static_cast<unsigned char>(ch)), name);
    }

    void typedKeyNames_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("name");
        QTest::newRow("backspace") << 8 << "retrocés";
        QTest::newRow("enter") << 13 << "retorn";
        QTest::newRow("tab") << 9 << "tabulador";
        QTest::newRow("not in Windows-1252") << 0x1A << "caràcter desconegut";
        QTest::newRow("letter") << int('x') << "xeix";
    }
    void typedKeyNames() {
        QFETCH(int, key);
        QFETCH(QString, name);
        QCOMPARE(TypedKeyName(static_cast<unsigned char>(key)), name);
    }

    void strokes_data() {
        QTest::addColumn<int>("ch");
        QTest::addColumn<QString>("strokes");
        QTest::addColumn<bool>("several");
        QTest::addColumn<QString>("fingerAndRow");
        QTest::newRow("a") << int('a') << "a" << false << "petit esquerre, fila del mig";
        QTest::newRow("s") << int('s') << "essa" << false << "anular esquerre, fila del mig";
        QTest::newRow("d") << int('d') << "de" << false << "mitjà esquerre, fila del mig";
        QTest::newRow("f") << int('f') << "efa" << false << "índex esquerre, fila del mig";
        QTest::newRow("g") << int('g') << "ge" << false << "índex esquerre, fila del mig";
        QTest::newRow("h") << int('h') << "hac" << false << "índex dret, fila del mig";
        QTest::newRow("k") << int('k') << "ca" << false << "mitjà dret, fila del mig";
        QTest::newRow("l") << int('l') << "ela" << false << "anular dret, fila del mig";
        QTest::newRow("ç") << 0xE7 << "ce trencada" << false << "petit dret, fila del mig";
        QTest::newRow("y") << int('y') << "i grega" << false << "índex dret, fila de dalt";
        QTest::newRow("n") << int('n') << "ena" << false << "índex dret, fila de baix";
        QTest::newRow("comma") << int(',') << "coma" << false << "mitjà dret, fila de baix";
        QTest::newRow("z") << int('z') << "zeta" << false << "petit esquerre, fila de baix";
        QTest::newRow("less") << int('<') << "menor que" << false << "petit esquerre, fila de baix";
        QTest::newRow("5") << int('5') << "5" << false << "índex esquerre, fila dels números";
        QTest::newRow("6") << int('6') << "6" << false << "índex dret, fila dels números";
        QTest::newRow("ordinal") << 0xBA << "ordinal masculí" << false << "petit esquerre, fila dels números";
        QTest::newRow("space") << int(' ') << "espai" << false << "polze";
        QTest::newRow("capital") << int('A') << "majúscula i a" << true << "petit esquerre, fila del mig";
        QTest::newRow("shifted sign")
            << int('!') << "majúscula i 1: exclamació" << true << "petit esquerre, fila dels números";
        QTest::newRow("AltGr") << int('@') << "AltGr i 2: arrova" << true
                               << "anular esquerre, fila dels números";
        QTest::newRow("AltGr euro") << 0x80 << "AltGr i e: euro" << true << "mitjà esquerre, fila de dalt";
        QTest::newRow("dead grave") << 0xE8 << "accent obert, després e" << true
                                    << "petit dret, fila de dalt";
        QTest::newRow("dead acute, capital")
            << 0xC9 << "accent tancat, després majúscula i e" << true << "petit dret, fila del mig";
        QTest::newRow("shifted dead key")
            << 0xFC << "majúscula i accent tancat: dièresi, després u" << true << "petit dret, fila del mig";
        QTest::newRow("no key types it") << 0xE3 << QString::fromUtf8("ã") << false << "";
    }
    void strokes() {
        QFETCH(int, ch);
        QFETCH(QString, strokes);
        QFETCH(bool, several);
        QFETCH(QString, fingerAndRow);
        const auto c = static_cast<unsigned char>(ch);
        QCOMPARE(ShippedKeys().Strokes(c), strokes);
        QCOMPARE(ShippedKeys().TakesSeveralKeys(c), several);
        QCOMPARE(ShippedKeys().FingerAndRow(c), fingerAndRow);
    }

    // Said from the keyboard's own keys and dead keys, not the Spanish ones.
    void strokesOnAnotherKeyboard_data() {
        QTest::addColumn<int>("ch");
        QTest::addColumn<QString>("strokes");
        QTest::addColumn<bool>("several");
        QTest::addColumn<QString>("fingerAndRow");
        QTest::newRow("a key of its own")
            << 0xE0 << "a amb accent obert" << false << "petit dret, fila dels números";
        QTest::newRow("Shift and AltGr") << 0xA4 << QString::fromUtf8("majúscula i AltGr i 2: ¤") << true
                                         << "anular esquerre, fila dels números";
        QTest::newRow("no dead key") << 0xE8 << "e amb accent obert" << false << "";
        QTest::newRow("a dead key kept")
            << 0xE9 << "accent tancat, després e" << true << "petit dret, fila del mig";
        QTest::newRow("the dead key, not an ordinary ` before it")
            << 0xF2 << "accent obert, després o" << true << "petit dret, fila de dalt";
        QTest::newRow("the ordinary `, not the dead key")
            << int('`') << "accent obert" << false << "petit esquerre, fila dels números";
    }
    void strokesOnAnotherKeyboard() {
        QFETCH(int, ch);
        QFETCH(QString, strokes);
        QFETCH(bool, several);
        QFETCH(QString, fingerAndRow);
        const auto c = static_cast<unsigned char>(ch);
        QCOMPARE(OtherKeys().Strokes(c), strokes);
        QCOMPARE(OtherKeys().TakesSeveralKeys(c), several);
        QCOMPARE(OtherKeys().FingerAndRow(c), fingerAndRow);
    }

    void newKey() {
        QCOMPARE(ShippedKeys().NewKey('n'), QString::fromUtf8("Nova tecla: n, índex dret, fila de baix"));
        // Several keys of one unlock, each with its own finger; an accented capital by its dead key.
        QCOMPARE(NewKeysUtterance(ShippedKeys(), "n\xC9"),
                 QString::fromUtf8(
                     "Nova tecla: n, índex dret, fila de baix. Nova tecla: É, petit dret, fila del mig"));
        QCOMPARE(NewKeysUtterance(ShippedKeys(), ""), QString());
    }

    void keyUtterance_data() {
        QTest::addColumn<QByteArray>("word");
        QTest::addColumn<QByteArray>("typed");
        QTest::addColumn<int>("errors");
        QTest::addColumn<int>("key");
        QTest::addColumn<QByteArray>("wordAfter");
        QTest::addColumn<QByteArray>("typedAfter");
        QTest::addColumn<int>("errorsAfter");
        QTest::addColumn<bool>("runningAfter");
        QTest::addColumn<QString>("said");
        QTest::newRow("right key, one key next") << QByteArray("fada") << QByteArray("f") << 0 << int('a')
                                                 << QByteArray("fada") << QByteArray("fa") << 0 << true << "";
        QTest::newRow("right key, capital next")
            << QByteArray("aB") << QByteArray("") << 0 << int('a') << QByteArray("aB") << QByteArray("a") << 0
            << true << "majúscula i be";
        QTest::newRow("wrong key, not written")
            << QByteArray("fada") << QByteArray("") << 0 << int('x') << QByteArray("fada") << QByteArray("")
            << 1 << true << "error: xeix; calia efa";
        QTest::newRow("wrong key, written")
            << QByteArray("fada") << QByteArray("f") << 0 << int('x') << QByteArray("fada")
            << QByteArray("fx") << 1 << true << "error: xeix; calia a. esborra";
        QTest::newRow("wrong key on wrong text")
            << QByteArray("fada") << QByteArray("fx") << 1 << int('y') << QByteArray("fada")
            << QByteArray("fxy") << 2 << true << "error: i grega; calia retrocés. esborra";
        QTest::newRow("backspace, still wrong")
            << QByteArray("fada") << QByteArray("fxy") << 2 << 8 << QByteArray("fada") << QByteArray("fx")
            << 2 << true << "esborra";
        QTest::newRow("backspace, right again")
            << QByteArray("f\xE0") << QByteArray("fx") << 1 << 8 << QByteArray("f\xE0") << QByteArray("f")
            << 1 << true << "accent obert, després a";
        QTest::newRow("backspace judged")
            << QByteArray("fada") << QByteArray("f") << 0 << 8 << QByteArray("fada") << QByteArray("f") << 1
            << true << "error: retrocés; calia a";
        QTest::newRow("past the word")
            << QByteArray("fa") << QByteArray("fa") << 0 << int('x') << QByteArray("fa") << QByteArray("fa")
            << 1 << true << "error: xeix; calia espai";
        QTest::newRow("space, next word")
            << QByteArray("fa") << QByteArray("fa") << 0 << int(' ') << QByteArray("\xC0ger")
            << QByteArray("") << 0 << true << "Àger. accent obert, després majúscula i a";
        QTest::newRow("space, same word again") << QByteArray("fa") << QByteArray("fx") << 1 << int(' ')
                                                << QByteArray("fa") << QByteArray("") << 1 << true << "fa";
        QTest::newRow("drill ended") << QByteArray("fa") << QByteArray("fa") << 0 << int(' ')
                                     << QByteArray("") << QByteArray("") << 0 << false << "";
        QTest::newRow("unknown character")
            << QByteArray("fa") << QByteArray("") << 0 << 0x1A << QByteArray("fa") << QByteArray("") << 1
            << true << "error: caràcter desconegut; calia efa";
    }
    void keyUtterance() {
        QFETCH(QByteArray, word);
        QFETCH(QByteArray, typed);
        QFETCH(int, errors);
        QFETCH(int, key);
        QFETCH(QByteArray, wordAfter);
        QFETCH(QByteArray, typedAfter);
        QFETCH(int, errorsAfter);
        QFETCH(bool, runningAfter);
        QFETCH(QString, said);
        const TDrillMoment before{word.toStdString(), typed.toStdString(), static_cast<std::uint16_t>(errors),
                                  true};
        const TDrillMoment after{wordAfter.toStdString(), typedAfter.toStdString(),
                                 static_cast<std::uint16_t>(errorsAfter), runningAfter};
        QCOMPARE(KeyUtterance(ShippedKeys(), before, static_cast<unsigned char>(key), after), said);
    }

    void nextKey_data() {
        QTest::addColumn<QByteArray>("word");
        QTest::addColumn<QByteArray>("typed");
        QTest::addColumn<bool>("deadKeyDone");
        QTest::addColumn<QString>("said");
        QTest::newRow("plain") << QByteArray("fada") << QByteArray("") << false
                               << "efa; índex esquerre, fila del mig";
        QTest::newRow("gone wrong") << QByteArray("fada") << QByteArray("fx") << false
                                    << "retrocés; petit dret, fila dels números";
        QTest::newRow("word typed") << QByteArray("fa") << QByteArray("fa") << false << "espai; polze";
        QTest::newRow("dead key first") << QByteArray("\xE8") << QByteArray("") << false
                                        << "accent obert, després e; petit dret, fila de dalt";
        QTest::newRow("dead key done")
            << QByteArray("\xC8") << QByteArray("") << true << "majúscula i e; mitjà esquerre, fila de dalt";
        QTest::newRow("AltGr") << QByteArray("a@") << QByteArray("a") << false
                               << "AltGr i 2: arrova; anular esquerre, fila dels números";
    }
    void nextKey() {
        QFETCH(QByteArray, word);
        QFETCH(QByteArray, typed);
        QFETCH(bool, deadKeyDone);
        QFETCH(QString, said);
        const TDrillMoment now{word.toStdString(), typed.toStdString(), 0, true};
        QCOMPARE(NextKeyUtterance(ShippedKeys(), now, deadKeyDone), said);
    }

    void spelledAndCounted_data() {
        QTest::addColumn<QString>("said");
        QTest::addColumn<QString>("expected");
        QTest::newRow("spelled") << SpelledWord("fada") << "efa, a, de, a";
        QTest::newRow("spelled accents")
            << SpelledWord("\xC7\xE0") << "ce trencada majúscula, a amb accent obert";
        QTest::newRow("counters") << CountersUtterance(3, 1) << "3 paraules, 1 error";
        QTest::newRow("one word") << CountersUtterance(1, 0) << "1 paraula, 0 errors";
        QTest::newRow("none") << CountersUtterance(0, 2) << "0 paraules, 2 errors";
    }
    void spelledAndCounted() {
        QFETCH(QString, said);
        QFETCH(QString, expected);
        QCOMPARE(said, expected);
    }
};

QTEST_APPLESS_MAIN(TestSpeech)
#include "tst_speech.moc"
