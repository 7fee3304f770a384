// Words from exercise files and clipboard text: extraction, length limits, passes
// and line breaks.
#include <QTest>

#include "sources/exercise_words.h"

using namespace teclarium;

namespace {
std::string S(const QByteArray& b) {
    return std::string(b.constData(), std::size_t(b.size()));
}
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
        QTest::newRow("high bytes and controls are word characters")
            << QByteArray("\xE0\x01\xFF \x7F", 5) << 0
            << QByteArray("[\xE0\x01\xFF][\x7F][\xE0\x01\xFF][\x7F]", 16);
    }
    void lineWords() {
        QFETCH(QByteArray, line);
        QFETCH(int, repeat);
        QFETCH(QByteArray, words);
        TWordList list{"before"};
        AddLineWords(list, S(line), unsigned(repeat));
        QCOMPARE(Joined(list), "[before]" + words);
    }

    void tenPassesAtEight() {
        TWordList list;
        AddLineWords(list, "el gat", 8);
        QCOMPARE(list.size(), std::size_t(20));
        for (std::size_t i = 0; i < list.size(); ++i)
            QCOMPARE(list[i], std::string_view(i % 2 ? "gat" : "el"));
    }

    // Every byte other than space, TAB, CR and LF is part of a word.
    void everyByteValue() {
        QByteArray line;
        for (int b = 0; b < 256; ++b)
            if (b != ' ' && b != '\t' && b != '\r' && b != '\n') line += char(b), line += ' ';
        const auto words = ExerciseWords(S(line), 0);
        QCOMPARE(words.size(), std::size_t(2 * 252));
        for (const std::string& w : words.ToVector()) QCOMPARE(w.size(), std::size_t(1));
        QCOMPARE(words[0], std::string(1, '\0'));
        QCOMPARE(words[251], std::string(1, '\xFF'));
    }

    void exerciseFiles_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QByteArray>("words");
        QTest::newRow("lines in order, each with its passes")
            << QByteArray("ab cd\r\nef") << QByteArray("[ab][cd][ab][cd][ef][ef]");
        QTest::newRow("lone CR and lone LF end lines")
            << QByteArray("ab\rcd\nef\r\n") << QByteArray("[ab][ab][cd][cd][ef][ef]");
        QTest::newRow("empty file") << QByteArray("") << QByteArray("");
        QTest::newRow("blank lines only") << QByteArray("\r\n  \r\n\t\r\n") << QByteArray("");
        QTest::newRow("all words too long") << QByteArray("abcdefghijk\r\nmeravellosament") << QByteArray("");
    }
    void exerciseFiles() {
        QFETCH(QByteArray, content);
        QFETCH(QByteArray, words);
        QCOMPARE(Joined(ExerciseWords(S(content), 0)), words);
    }

    void clipboardLines_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("words");
        QTest::newRow("CR LF") << QByteArray("ab cd\r\nef") << QByteArray("[ab][cd][ab][cd][ef][ef]");
        QTest::newRow("lone LF separates lines")
            << QByteArray("ab cd\nef") << QByteArray("[ab][cd][ab][cd][ef][ef]");
        QTest::newRow("lone CR stays in the word") << QByteArray("ab\rcd") << QByteArray("[ab\rcd][ab\rcd]");
        QTest::newRow("LF CR: CR starts next line")
            << QByteArray("ab\n\rcd") << QByteArray("[ab][ab][\rcd][\rcd]");
        QTest::newRow("final break adds nothing") << QByteArray("ab\r\n") << QByteArray("[ab][ab]");
        QTest::newRow("empty") << QByteArray("") << QByteArray("");
        QTest::newRow("breaks only") << QByteArray("\n\r\n\n") << QByteArray("");
    }
    void clipboardLines() {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, words);
        QCOMPARE(Joined(ClipboardWords(S(text), 0)), words);
    }

    void clipboardLineSplitting() {
        const std::string text = "a\r\n\r\nb\nc\rd\n";
        const auto lines = SplitClipboardLines(text);
        QCOMPARE(Joined(std::vector<std::string>(lines.begin(), lines.end())), QByteArray("[a][][b][c\rd]"));
    }

    // A very long line without any break: found in one pass, nothing lost.
    void veryLongLine() {
        std::string line;
        for (int i = 0; i < 200000; ++i) line += "paraula ";
        line += "fi";
        const auto words = ExerciseWords(line, 0);
        QCOMPARE(words.size(), std::size_t(2 * 200001));
        QCOMPARE(words[200000], std::string("fi"));
        QCOMPARE(words[200001], std::string("paraula"));
        QCOMPARE(words[words.size() - 1], std::string_view("fi"));
    }
};

QTEST_APPLESS_MAIN(TestExerciseWords)
#include "tst_exercise_words.moc"
