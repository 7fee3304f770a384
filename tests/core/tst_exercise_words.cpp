// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// Words from exercise files and clipboard text: extraction, length limits, passes
// and line breaks.
#include <QTest>

#include "byte_strings.h"
#include "sources/exercise_words.h"
#include "thrown_text.h"
#include "util/codec.h"

using namespace teclarium;

namespace {
QByteArray Joined(const std::vector<std::string>& parts) {
    QByteArray all;
    for (const std::string& p : parts) all += "[" + QByteArray(p.data(), qsizetype(p.size())) + "]";
    return all;
}
QByteArray Joined(const TWordList& words) {
    return Joined(words.ToVector());
}
}  // namespace

class TestExerciseWords : public QObject {
    Q_OBJECT

  private slots:
    void lineWords_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("repeat");
        QTest::addColumn<QByteArray>("words");
        QTest::newRow("two passes at 0") << QByteArray("el gat") << 0 << QByteArray("[el][gat][el][gat]");
        QTest::newRow("punctuation, TAB, double space")
            << QByteArray("Bon dia,\tamic  meu") << 0
            << QByteArray("[Bon][dia,][amic][meu][Bon][dia,][amic][meu]");
        QTest::newRow("10 kept, 11 skipped")
            << QByteArray("abcdefghij abcdefghijk x") << 0 << QByteArray("[abcdefghij][x][abcdefghij][x]");
        QTest::newRow("blank line") << QByteArray(" \t  ") << 3 << QByteArray("");
        QTest::newRow("empty line") << QByteArray("") << 8 << QByteArray("");
        QTest::newRow("three passes at 1") << QByteArray("a") << 1 << QByteArray("[a][a][a]");
        QTest::newRow("ten passes at 8") << QByteArray("el gat") << 8 << QByteArray("[el][gat]").repeated(10);
        QTest::newRow("a control byte leaves its word out; DEL and high bytes stay")
            << QByteArray("\xE0\x01\xFF \x7F caf\x1A \0 \xE0", 14) << 0
            << QByteArray("[\x7F][\xE0][\x7F][\xE0]");
    }
    void lineWords() {
        QFETCH(QByteArray, line);
        QFETCH(int, repeat);
        QFETCH(QByteArray, words);
        QCOMPARE(Joined(ExerciseWords(S(line), unsigned(repeat), "")), words);
    }

    // Every byte from the one after space on is a word character; the bytes below
    // space other than TAB, CR and LF leave their word out.
    void everyByteValue() {
        QByteArray line;
        for (int b = 0; b < 256; ++b)
            if (b != ' ' && b != '\t' && b != '\r' && b != '\n') line += char(b), line += ' ';
        const auto words = ExerciseWords(S(line), 0, "");
        QCOMPARE(words.size(), std::size_t(2 * 223));
        for (const std::string& w : words.ToVector()) QCOMPARE(w.size(), std::size_t(1));
        QCOMPARE(words[0], std::string(1, '!'));
        QCOMPARE(words[222], std::string(1, '\xFF'));
    }

    // A file's words as the program reads them: an editor's UTF-8 (with a
    // byte-order mark or without) taken as UTF-8; a character Windows-1252 lacks
    // named, its word left out.
    void exerciseFiles_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QByteArray>("words");
        QTest::addColumn<QString>("notAnsi");
        QTest::newRow("lines in order, each with its passes")
            << QByteArray("ab cd\r\nef") << QByteArray("[ab][cd][ab][cd][ef][ef]") << "";
        QTest::newRow("lone CR and lone LF end lines")
            << QByteArray("ab\rcd\nef\r\n") << QByteArray("[ab][ab][cd][cd][ef][ef]") << "";
        QTest::newRow("empty file") << QByteArray("") << QByteArray("") << "";
        QTest::newRow("blank lines only") << QByteArray("\r\n  \r\n\t\r\n") << QByteArray("") << "";
        QTest::newRow("all words too long")
            << QByteArray("abcdefghijk\r\nmeravellosament") << QByteArray("") << "";
        QTest::newRow("Windows-1252")
            << QByteArray("c\xE0rrega") << QByteArray("[c\xE0rrega][c\xE0rrega]") << "";
        QTest::newRow("UTF-8 after a byte-order mark") << QByteArray(
                                                              "\xEF\xBB\xBF"
                                                              "c\xC3\xA0rrega")
                                                       << QByteArray("[c\xE0rrega][c\xE0rrega]") << "";
        QTest::newRow("a byte-order mark before plain letters") << QByteArray(
                                                                       "\xEF\xBB\xBF"
                                                                       "ab")
                                                                << QByteArray("[ab][ab]") << "";
        QTest::newRow("UTF-8 without a mark, the euro too")
            << QByteArray("c\xC3\xA0rrega 5\xE2\x82\xAC")
            << QByteArray("[c\xE0rrega][5\x80][c\xE0rrega][5\x80]") << "";
        QTest::newRow("a character Windows-1252 lacks: named, its word left out")
            << QByteArray(
                   "\xEF\xBB\xBF"
                   "ab \xF0\x9F\x98\x80"
                   "x")
            << QByteArray("[ab][ab]") << QString::fromUtf8("\U0001F600");
    }
    void exerciseFiles() {
        QFETCH(QByteArray, content);
        QFETCH(QByteArray, words);
        QFETCH(QString, notAnsi);
        const TAnsiText text = FileTextToAnsi(S(content));
        QCOMPARE(Joined(ExerciseWords(text.Bytes, 0, "")), words);
        QCOMPARE(QString::fromStdString(text.NotAnsi), notAnsi);
    }

    // Words that would fill the memory with their passes are refused, by name,
    // before any is kept.
    void tooManyWords_data() {
        QTest::addColumn<bool>("clipboard");
        QTest::addColumn<QString>("message");
        QTest::newRow("an exercise")
            << false
            << QString::fromUtf8(
                   "L'exercici /classe/%s.tcm és massa llarg: amb les repeticions de línia serien "
                   "17000000 paraules, i no en pot tenir més de 16777216");
        QTest::newRow("the clipboard") << true
                                       << QString::fromUtf8(
                                              "El text del portapapers és massa llarg: amb les "
                                              "repeticions de línia serien 17000000 paraules, i "
                                              "no en pot tenir més de 16777216");
    }
    void tooManyWords() {
        QFETCH(bool, clipboard);
        QFETCH(QString, message);
        std::string text;
        for (int i = 0; i < 1700000; ++i) text += i % 20 ? "a " : "a\r\n";
        QCOMPARE(ThrownText([&] {
                     if (clipboard)
                         ClipboardWords(text, 8);
                     else
                         ExerciseWords(text, 8, "/classe/%s.tcm");
                 }),
                 message);
    }

    void clipboardLines_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("words");
        QTest::newRow("CR LF") << QByteArray("ab cd\r\nef") << QByteArray("[ab][cd][ab][cd][ef][ef]");
        QTest::newRow("lone LF separates lines")
            << QByteArray("ab cd\nef") << QByteArray("[ab][cd][ab][cd][ef][ef]");
        QTest::newRow("lone CR stays in its word, which it leaves out")
            << QByteArray("ab\rcd ef") << QByteArray("[ef][ef]");
        QTest::newRow("LF CR: CR starts next line") << QByteArray("ab\n\rcd") << QByteArray("[ab][ab]");
        QTest::newRow("empty line, lone LF, CR before LF")
            << QByteArray("a\r\n\r\nb\nc\r\r\n") << QByteArray("[a][a][b][b]");
        QTest::newRow("final break adds nothing") << QByteArray("ab\r\n") << QByteArray("[ab][ab]");
        QTest::newRow("empty") << QByteArray("") << QByteArray("");
        QTest::newRow("breaks only") << QByteArray("\n\r\n\n") << QByteArray("");
    }
    void clipboardLines() {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, words);
        QCOMPARE(Joined(ClipboardWords(S(text), 0)), words);
    }

    // Decomposed accents are composed before conversion; what Windows-1252 cannot
    // hold becomes 0x1A, which leaves its word out.
    void clipboardConversion_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("e + combining acute") << QString::fromUtf8("cafe\u0301") << QByteArray("caf\xE9");
        QTest::newRow("u + combining diaeresis, c + cedilla")
            << QString::fromUtf8("u\u0308 c\u0327") << QByteArray("\xFC \xE7");
        QTest::newRow("euro, composed already") << QString::fromUtf8("€ à") << QByteArray("\x80 \xE0");
        QTest::newRow("no Windows-1252 form") << QString::fromUtf8("q\u0301 日") << QByteArray("q\x1A \x1A");
    }
    void clipboardConversion() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(ClipboardAnsi(text), S(bytes));
    }

    // A very long line without any break: found in one pass, nothing lost.
    void veryLongLine() {
        std::string line;
        for (int i = 0; i < 200000; ++i) line += "paraula ";
        line += "fi";
        const auto words = ExerciseWords(line, 0, "");
        QCOMPARE(words.size(), std::size_t(2 * 200001));
        QCOMPARE(words[200000], std::string("fi"));
        QCOMPARE(words[200001], std::string("paraula"));
        QCOMPARE(words[words.size() - 1], std::string_view("fi"));
    }
};

QTEST_APPLESS_MAIN(TestExerciseWords)
#include "tst_exercise_words.moc"
