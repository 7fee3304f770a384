// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The settings file's format, the table of keys and the writing that never loses
// the old file.
#include <cerrno>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "byte_strings.h"
#include "settings/ini_file.h"
#include "settings/settings_table.h"
#include "thrown_text.h"
#include "util/atomic_write.h"

using namespace teclarium;

namespace {
// A settings file holding bytes, in a folder of its own.
struct TIni {
    QTemporaryDir Dir;
    std::string Path = S(QFile::encodeName(Dir.filePath("Teclarium.ini")));
    explicit TIni(const QByteArray& bytes = {}) {
        if (bytes.isNull()) return;
        QFile file(QString::fromStdString(Path));
        if (file.open(QIODevice::WriteOnly)) file.write(bytes);
    }
    QByteArray Bytes() const {
        QFile file(QString::fromStdString(Path));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};
}  // namespace

class TestIniFile : public QObject {
    Q_OBJECT

  private slots:
    void reading_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QByteArray>("expected");  // default "-"
        QTest::newRow("plain") << QByteArray("[Options]\r\nA=1\r\n") << QByteArray("Options")
                               << QByteArray("A") << QByteArray("1");
        QTest::newRow("names without case") << QByteArray("[options]\nKey=v\n") << QByteArray("OPTIONS")
                                            << QByteArray("kEY") << QByteArray("v");
        QTest::newRow("blank before = is another key")
            << QByteArray("[O]\rA =x\r") << QByteArray("O") << QByteArray("A") << QByteArray("-");
        QTest::newRow("value untrimmed, after the first =")
            << QByteArray("[O]\nA= b=c \n") << QByteArray("O") << QByteArray("A") << QByteArray(" b=c ");
        QTest::newRow("first of a repeated key")
            << QByteArray("[O]\nA=1\nA=2\n") << QByteArray("O") << QByteArray("A") << QByteArray("1");
        QTest::newRow("first of a repeated section")
            << QByteArray("[O]\nB=1\n[O]\nA=2\n") << QByteArray("O") << QByteArray("A") << QByteArray("-");
        QTest::newRow("lines before any section ignored")
            << QByteArray("A=1\n[O]\n") << QByteArray("O") << QByteArray("A") << QByteArray("-");
        QTest::newRow("comment ignored")
            << QByteArray("[O]\n;A=1\n") << QByteArray("O") << QByteArray(";A") << QByteArray("-");
        QTest::newRow("section name unchanged, blanks kept")
            << QByteArray("[ O ]\nA=1\n") << QByteArray("O") << QByteArray("A") << QByteArray("-");
        QTest::newRow("NUL bytes and Windows-1252 kept")
            << QByteArray("[O]\nA=x\0y\xE0\n", 12) << QByteArray("O") << QByteArray("A")
            << QByteArray("x\0y\xE0", 4);
        QTest::newRow("garbage") << QByteArray("\xFF\xFE[\n]\n=\n[") << QByteArray("O") << QByteArray("A")
                                 << QByteArray("-");
    }
    void reading() {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, section);
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, expected);
        TIni ini(text);
        QCOMPARE(B(TNewIniFile(ini.Path).ReadString(S(section), S(key), "-")), expected);
    }

    void integers_data() {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<int>("expected");  // default 3
        QTest::newRow("decimal") << QByteArray("20") << 20;
        QTest::newRow("negative") << QByteArray("-1") << -1;
        QTest::newRow("plus sign") << QByteArray("+7") << 7;
        QTest::newRow("two signs") << QByteArray("+-7") << 3;
        QTest::newRow("not a number") << QByteArray("abc") << 3;
        QTest::newRow("trailing text") << QByteArray("5 ") << 3;
        QTest::newRow("empty") << QByteArray("") << 3;
        QTest::newRow("hex") << QByteArray("0x5") << 5;
        QTest::newRow("hex upper") << QByteArray("0X1f") << 31;
        QTest::newRow("0x alone") << QByteArray("0x") << 3;
        QTest::newRow("hex 32-bit word") << QByteArray("0xFFFFFFFF") << -1;
        QTest::newRow("too big") << QByteArray("99999999999") << 3;
    }
    void integers() {
        QFETCH(QByteArray, value);
        QFETCH(int, expected);
        TIni ini("[O]\nK=" + value + "\n");
        QCOMPARE(TNewIniFile(ini.Path).ReadInteger("O", "K", 3), expected);
    }

    void writing_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");  // after writing K=new in section "Options"
        QTest::newRow("no file") << QByteArray() << QByteArray("[Options]\r\nK=new\r\n\r\n");
        QTest::newRow("replaced in place, first only")
            << QByteArray("[Options]\nA=1\nk=old\nK=2\n")
            << QByteArray("[Options]\r\nA=1\r\nk=new\r\nK=2\r\n\r\n");
        QTest::newRow("appended to its section, others kept")
            << QByteArray("[options]\nA=1\n[Other]\nB=2\nstray\n")
            << QByteArray("[options]\r\nA=1\r\nK=new\r\n\r\n[Other]\r\nB=2\r\nstray\r\n\r\n");
        QTest::newRow("new section at the end, comments and loose lines gone")
            << QByteArray("top=1\r\n[X]\r\n;note\r\n\r\nB=2")
            << QByteArray("[X]\r\nB=2\r\n\r\n[Options]\r\nK=new\r\n\r\n");
        // An editor's UTF-8 is read as such and written back in Windows-1252, every key kept.
        QTest::newRow("a byte-order mark skipped")
            << QByteArray("\xEF\xBB\xBF[Options]\r\nFont=Arial\r\nCustom=keepme\r\n")
            << QByteArray("[Options]\r\nFont=Arial\r\nCustom=keepme\r\nK=new\r\n\r\n");
        QTest::newRow("UTF-8 after a mark")
            << QByteArray("\xEF\xBB\xBF[Options]\r\nTcmFN=c\xC3\xA0rrega.tcm\r\nCustom=keepme\r\n")
            << QByteArray("[Options]\r\nTcmFN=c\xE0rrega.tcm\r\nCustom=keepme\r\nK=new\r\n\r\n");
        QTest::newRow("UTF-8 without a mark, the euro too")
            << QByteArray("[Options]\nTcmFN=c\xC3\xA0rrega \xE2\x82\xAC.tcm\n")
            << QByteArray("[Options]\r\nTcmFN=c\xE0rrega \x80.tcm\r\nK=new\r\n\r\n");
        QTest::newRow("Windows-1252 as it is")
            << QByteArray("[Options]\nTcmFN=c\xE0rrega.tcm\n")
            << QByteArray("[Options]\r\nTcmFN=c\xE0rrega.tcm\r\nK=new\r\n\r\n");
    }

    // A file that cannot be read is never written over: each write reads it first,
    // and the message names it.
    void unreadableNeverWritten_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("message");  // %1 the file
        const QString kept = QString::fromUtf8(kMsgIniKeptUnread);
        QTest::newRow("a character Windows-1252 lacks")
            << QByteArray("\xEF\xBB\xBF[Options]\r\nTcmFN=\xC4\x81.tcm\r\nCustom=keepme\r\n")
            << QString::fromUtf8(
                   "El caràcter «ā» del fitxer de configuració %1 no es pot desar en Windows-1252, "
                   "la codificació del programa") +
                   kept;
        QTest::newRow("too large") << QByteArray(int(kSettingsFileMaxBytes) + 1, 'x')
                                   << QString::fromUtf8(
                                          "L'arxiu %1 és massa gran (17 MB): no pot passar de 16 MB") +
                                          kept;
    }
    void unreadableNeverWritten() {
        QFETCH(QByteArray, before);
        QFETCH(QString, message);
        TIni ini(before);
        QCOMPARE(ThrownText([&] { TNewIniFile(ini.Path).UpdateFile(); }),
                 message.arg(QString::fromStdString(ini.Path)));
        QCOMPARE(ini.Bytes(), before);
    }
    void writing() {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        TIni ini(before);
        TNewIniFile file(ini.Path);
        file.WriteString("Options", "K", "new");
        QVERIFY(file.UpdateFile());
        QCOMPARE(ini.Bytes(), after);
    }

    // Whatever is written reads back as itself, next to the keys around it.
    void writtenReadsBack_data() {
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QByteArray>("value");
        QTest::newRow("= in the value") << QByteArray("Options") << QByteArray("K") << QByteArray("a=b");
        QTest::newRow("a section's look in the value")
            << QByteArray("Options") << QByteArray("K") << QByteArray("[Other]");
        QTest::newRow("] inside the section") << QByteArray("a]b") << QByteArray("K") << QByteArray("v");
        QTest::newRow("empty key and value") << QByteArray("Options") << QByteArray("") << QByteArray("");
    }
    void writtenReadsBack() {
        QFETCH(QByteArray, section);
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, value);
        TIni ini;
        {
            TNewIniFile file(ini.Path);
            file.WriteString("Options", "Before", "1");
            file.WriteString(S(section), S(key), S(value));
            file.WriteString("Options", "After", "2");
            QVERIFY(file.UpdateFile());
        }
        const TNewIniFile file(ini.Path);
        QCOMPARE(B(file.ReadString(S(section), S(key), "-")), value);
        QCOMPARE(file.ReadString("Options", "Before", "-"), std::string("1"));
        QCOMPARE(file.ReadString("Options", "After", "-"), std::string("2"));
    }

    // A line break would end the line: the rest would read as keys and sections of
    // their own. Such a write changes nothing and says why.
    void refusedWrites_data() {
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QString>("message");
        const QString value =
            QString::fromUtf8("No es pot desar a la configuració el valor de %1: conté un salt de línia");
        const QString name =
            QString::fromUtf8("No es pot desar a la configuració el nom de secció o clau '%1'");
        QTest::newRow("LF in the value: a key and a section injected")
            << QByteArray("Options") << QByteArray("TcmFN")
            << QByteArray("a\nVKFontSize=72\n[Options]\nb.tcm") << value.arg("TcmFN");
        QTest::newRow("CR in the value")
            << QByteArray("Options") << QByteArray("K") << QByteArray("a\rb") << value.arg("K");
        QTest::newRow("line break in the key")
            << QByteArray("Options") << QByteArray("A\nB") << QByteArray("v") << name.arg("A\nB");
        QTest::newRow("= in the key")
            << QByteArray("Options") << QByteArray("A=B") << QByteArray("v") << name.arg("A=B");
        QTest::newRow("key read as a comment")
            << QByteArray("Options") << QByteArray(";A") << QByteArray("v") << name.arg(";A");
        QTest::newRow("key read as a section")
            << QByteArray("Options") << QByteArray("[A") << QByteArray("]") << name.arg("[A");
        QTest::newRow("line break in the section")
            << QByteArray("O\r[X]") << QByteArray("K") << QByteArray("v") << name.arg("O\r[X]");
    }
    void refusedWrites() {
        QFETCH(QByteArray, section);
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, value);
        QFETCH(QString, message);
        const QByteArray before = "[Options]\r\nTcmFN=11.tcm\r\nVKFontSize=13\r\n\r\n[Other]\r\nA=1\r\n\r\n";
        TIni ini(before);
        TNewIniFile file(ini.Path);
        QCOMPARE(ThrownText([&] { file.WriteString(S(section), S(key), S(value)); }), message);
        QVERIFY(file.UpdateFile());
        QCOMPARE(ini.Bytes(), before);
    }

    // The exercise file's name that cannot be stored: none is remembered, and the
    // keys after it keep their place and values.
    void unstorableFileNameStoredAsNone_data() {
        QTest::addColumn<QByteArray>("name");
        QTest::newRow("LF, with a key and a section") << QByteArray("a\nVKFontSize=72\n[Options]\nb.tcm");
        QTest::newRow("CR") << QByteArray("a\rb.tcm");
    }
    void unstorableFileNameStoredAsNone() {
        QFETCH(QByteArray, name);
        TIni ini("[Options]\r\nTcmFN=11.tcm\r\n");
        TSettings settings;
        settings.TcmFN = S(name);
        settings.CharsCount = 5;
        settings.CenteredWindow = true;
        {
            TNewIniFile file(ini.Path);
            WriteSettings(file, settings);
            QVERIFY(file.UpdateFile());
        }
        const TSettings read = ReadSettings(TNewIniFile(ini.Path));
        QCOMPARE(read.TcmFN, std::string());
        QCOMPARE(read.CharsCount, 5);
        QCOMPARE(read.VKFontSize, 13);
        QCOMPARE(read.CenteredWindow, true);
        QCOMPARE(ini.Bytes().count('['), 1);
    }

    // A spin edit saves its text as a number, or its minimum when the text is none.
    void savedSpinValue_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("saved");  // the box's minimum is 2
        QTest::newRow("a number") << QByteArray("7") << 7;
        QTest::newRow("below the range: as typed") << QByteArray("1") << 1;
        QTest::newRow("emptied") << QByteArray("") << 2;
        QTest::newRow("a sign alone") << QByteArray("-") << 2;
        QTest::newRow("letters") << QByteArray("abc") << 2;
        QTest::newRow("hexadecimal") << QByteArray("0x5") << 5;
    }
    void savedSpinValue() {
        QFETCH(QByteArray, text);
        QTEST(SavedSpinValue(S(text), 2), "saved");
    }

    // Booleans and integers as the table reads and writes them.
    void settingsTable_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QByteArray>("written");  // the [Options] lines after a round trip
        const QByteArray defaults =
            "TcmFN=11.tcm\r\nType=0\r\nItemIndexIni=0\r\nCharsCount=3\r\nWordsCount=6\r\nRepeatLine=3\r\n"
            "RepeatWord=0\r\nRepeatWrongWord=1\r\nShowIncorrectKey=1\r\nShowKeyboard=1\r\nShowKeyToType=1\r\n"
            "WriteWrongChar=0\r\nEditFontSize=16\r\nVKFontSize=13\r\nOneHand=0\r\nNaturalKeyboard=0\r\n"
            "KBSeparated=0\r\nCenteredWindow=0\r\nKeyboard=\r\nSpeech=1\r\nSpeechRate=0\r\n";
        QTest::newRow("first start: defaults, table order") << QByteArray() << defaults;
        QByteArray clamped = defaults;
        clamped.replace("CharsCount=3", "CharsCount=9").replace("EditFontSize=16", "EditFontSize=14");
        clamped.replace("Speech=1", "Speech=2").replace("SpeechRate=0", "SpeechRate=-10");
        QTest::newRow("out of range takes the nearer bound")
            << QByteArray("CharsCount=20\nEditFontSize=-4\nSpeech=7\nSpeechRate=-99\n") << clamped;
        QByteArray hex = defaults;
        hex.replace("CharsCount=3", "CharsCount=5");
        QTest::newRow("hex; 2 is true, written 1; abc the default")
            << QByteArray("CharsCount=0x5\nShowKeyboard=2\nWordsCount=abc\n") << hex;
        QByteArray kept = defaults;
        kept.replace("Type=0", "Type=256").replace("ItemIndexIni=0", "ItemIndexIni=-1");
        kept.replace("TcmFN=11.tcm", "TcmFN=");
        QTest::newRow("values outside the spin edits as read")
            << QByteArray("Type=256\nItemIndexIni=-1\nTcmFN=\n") << kept;
        QByteArray keyboard = defaults;
        keyboard.replace("\nKeyboard=", "\nKeyboard=es(cat)");
        QTest::newRow("a keyboard chosen by name") << QByteArray("Keyboard=es(cat)\n") << keyboard;
    }
    void settingsTable() {
        QFETCH(QByteArray, stored);
        QFETCH(QByteArray, written);
        TIni ini("[Options]\n" + stored);
        TNewIniFile file(ini.Path);
        const TSettings settings = ReadSettings(file);
        TNewIniFile out(ini.Path + ".new");
        WriteSettings(out, settings);
        QCOMPARE(B(out.Text()), "[Options]\r\n" + written + "\r\n");
    }

    // A file that cannot be replaced: the old one stays whole.
    void failedWrites_data() {
        QTest::addColumn<int>("kind");
        QTest::newRow("rename step fails (killed before it)") << 0;
        QTest::newRow("folder where the file should be") << 2;
    }
    void failedWrites() {
        QFETCH(int, kind);
        const QByteArray old = "[Options]\r\nA=old\r\n\r\n";
        TIni ini(kind == 2 ? QByteArray() : old);
        if (kind == 2) QVERIFY(QDir(ini.Dir.path()).mkdir("Teclarium.ini"));
        TNewIniFile file(ini.Path);
        file.WriteString("Options", "A", std::string(1 << 20, 'n'));
        if (kind == 0) {
            const auto failing = [](const char*, const char*) {
                errno = EIO;
                return -1;
            };
            QVERIFY(!WriteFileAtomically(ini.Path, file.Text(), failing));
        } else {
            QCOMPARE(ThrownText([&] { file.UpdateFile(); }),
                     QString::fromStdString("No es pot crear el fitxer " + ini.Path));
        }
        QCOMPARE(ini.Bytes(), kind == 2 ? QByteArray() : old);
        QCOMPARE(QDir(ini.Dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList{"Teclarium.ini"});
    }

    void readOnlyFileLeftAloneWithoutGuard() {
        TIni ini("[Options]\nA=1\n");
        QFile::setPermissions(QString::fromStdString(ini.Path), QFile::ReadOwner);
        TNewIniFile file(ini.Path);
        file.WriteString("Options", "A", "2");
        QVERIFY(!file.UpdateFile());
        QCOMPARE(ini.Bytes(), QByteArray("[Options]\nA=1\n"));
    }
};

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_ini_file.moc"
