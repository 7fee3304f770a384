// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The shared byte-string helpers: cutting at a delimiter, taking words off a line,
// bare file names and line splitting.
#include <QTest>

#include "byte_strings.h"
#include "util/messages.h"
#include "util/text.h"

using namespace teclarium;

namespace {
QByteArray Joined(const std::vector<std::string>& parts) {
    QByteArray all;
    for (const std::string& p : parts) all += "[" + B(p) + "]";
    return all;
}
}  // namespace

class TestTextUtils : public QObject {
    Q_OBJECT

  private slots:
    // Cuts repeatedly until the text is empty; each head is recorded.
    void splitAtDelimiter_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("delimiter");
        QTest::addColumn<QByteArray>("heads");
        QTest::newRow("name and chars at TAB")
            << QByteArray("name\tabc") << QByteArray("\t") << QByteArray("[name][abc]");
        QTest::newRow("no delimiter: all") << QByteArray("abc") << QByteArray("\t") << QByteArray("[abc]");
        QTest::newRow("CR LF lines") << QByteArray("ab\r\ncd\r\nef") << QByteArray("\r\n")
                                     << QByteArray("[ab][cd][ef]");
        QTest::newRow("starts with delimiter")
            << QByteArray("\tabc") << QByteArray("\t") << QByteArray("[][abc]");
        QTest::newRow("ends with delimiter: no empty last")
            << QByteArray("ab\r\n") << QByteArray("\r\n") << QByteArray("[ab]");
        QTest::newRow("lone CR and LF are not CR LF")
            << QByteArray("a\rb\nc\r\nd") << QByteArray("\r\n") << QByteArray("[a\rb\nc][d]");
        QTest::newRow("only first occurrence each time")
            << QByteArray("a\t\tb") << QByteArray("\t") << QByteArray("[a][][b]");
        QTest::newRow("bytes of every kind") << QByteArray("\xE0\x00\xFF\t\x01", 5) << QByteArray("\t")
                                             << QByteArray("[\xE0\x00\xFF][\x01]", 8);
    }
    void splitAtDelimiter() {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, delimiter);
        QFETCH(QByteArray, heads);
        std::string rest = S(text);
        std::vector<std::string> got;
        while (!rest.empty()) {
            std::string head;
            SplitAtDelimiter(rest, S(delimiter), head);
            got.push_back(head);
        }
        QCOMPARE(Joined(got), heads);
    }

    void splitAtDelimiterKeepsRest() {
        std::string text = "ab\r\ncd\r\nef";
        std::string head;
        SplitAtDelimiter(text, "\r\n", head);
        QCOMPARE(head, std::string("ab"));
        QCOMPARE(text, std::string("cd\r\nef"));
    }

    void scanRun_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("pos");
        QTest::addColumn<bool>("inSet");
        QTest::addColumn<QByteArray>("run");
        QTest::addColumn<int>("stop");
        QTest::newRow("delimiters at front") << QByteArray("  el") << 1 << true << QByteArray("  ") << 3;
        QTest::newRow("word to the end") << QByteArray("  el") << 3 << false << QByteArray("el") << 0;
        QTest::newRow("word stops at TAB") << QByteArray("el\tgat") << 1 << false << QByteArray("el") << 3;
        QTest::newRow("empty run") << QByteArray("el") << 1 << true << QByteArray("") << 1;
        QTest::newRow("empty text") << QByteArray("") << 1 << false << QByteArray("") << 0;
        QTest::newRow("delimiters to the end") << QByteArray("a \t ") << 2 << true << QByteArray(" \t ") << 0;
    }
    void scanRun() {
        QFETCH(QByteArray, text);
        QFETCH(int, pos);
        QFETCH(bool, inSet);
        QFETCH(QByteArray, run);
        QFETCH(int, stop);
        std::size_t p = std::size_t(pos);
        QCOMPARE(B(ScanRun(S(text), p, " \t", inSet)), run);
        QCOMPARE(int(p), stop);
    }

    // Takes words until the text is empty.
    void extractWord_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("words");
        QTest::newRow("spaces, TAB, trailing space") << QByteArray("  el\tgat ") << QByteArray("[el][gat]");
        QTest::newRow("delimiters only") << QByteArray(" \t  ") << QByteArray("[]");
        QTest::newRow("one word") << QByteArray("casa,") << QByteArray("[casa,]");
        QTest::newRow("runs of delimiters")
            << QByteArray("Bon dia,\tamic  meu") << QByteArray("[Bon][dia,][amic][meu]");
        QTest::newRow("CR and LF belong to words") << QByteArray("a\rb c\nd") << QByteArray("[a\rb][c\nd]");
    }
    void extractWord() {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, words);
        std::string rest = S(text);
        std::vector<std::string> got;
        do {
            std::string word;
            ExtractWord(rest, " \t", word);
            got.push_back(word);
        } while (!rest.empty());
        QCOMPARE(Joined(got), words);
    }

    void extractWordLeavesRest() {
        std::string text = "  el\tgat ";
        std::string word;
        ExtractWord(text, " \t", word);
        QCOMPARE(word, std::string("el"));
        QCOMPARE(text, std::string("gat "));
    }

    void bareFileName_data() {
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<QByteArray>("bare");
        QTest::newRow("full path") << QByteArray("/home/mestra/Exercicis/11.tcm") << QByteArray("11");
        QTest::newRow("backslash is part of a name") << QByteArray("/tmp/a\\b.tcm") << QByteArray("a\\b");
        QTest::newRow("linux path") << QByteArray("/home/anna/exercicis/frases.tcm") << QByteArray("frases");
        QTest::newRow("last dot only") << QByteArray("a.b.c") << QByteArray("a.b");
        QTest::newRow("trailing dot") << QByteArray("abc.") << QByteArray("abc");
        QTest::newRow("leading dot stays") << QByteArray(".ini") << QByteArray(".ini");
        QTest::newRow("no dot") << QByteArray("README") << QByteArray("README");
        QTest::newRow("dot in folder only") << QByteArray("/dir.d/name") << QByteArray("name");
        QTest::newRow("empty") << QByteArray("") << QByteArray("");
    }
    void bareFileName() {
        QFETCH(QByteArray, path);
        QFETCH(QByteArray, bare);
        QCOMPARE(B(BareFileName(S(path))), bare);
    }

    void withTrailingDelimiter_data() {
        QTest::addColumn<QByteArray>("folder");
        QTest::addColumn<QByteArray>("result");
        QTest::newRow("added") << QByteArray("/opt/teclarium") << QByteArray("/opt/teclarium/");
        QTest::newRow("kept") << QByteArray("/opt/teclarium/") << QByteArray("/opt/teclarium/");
        QTest::newRow("root") << QByteArray("/") << QByteArray("/");
    }
    void withTrailingDelimiter() {
        QFETCH(QByteArray, folder);
        QFETCH(QByteArray, result);
        QCOMPARE(B(WithTrailingBackslash(S(folder))), result);
    }

    void splitLines_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("lines");
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QByteArray("[a][b]");
        QTest::newRow("lone CR") << QByteArray("a\rb\r") << QByteArray("[a][b]");
        QTest::newRow("lone LF") << QByteArray("a\nb\n") << QByteArray("[a][b]");
        QTest::newRow("LF CR is two breaks") << QByteArray("a\n\rb") << QByteArray("[a][][b]");
        QTest::newRow("no final break") << QByteArray("a\r\nb") << QByteArray("[a][b]");
        QTest::newRow("two final breaks: empty last line") << QByteArray("a\r\n\r\n") << QByteArray("[a][]");
        QTest::newRow("empty text") << QByteArray("") << QByteArray("");
        QTest::newRow("only a break") << QByteArray("\r\n") << QByteArray("[]");
        QTest::newRow("empty first line") << QByteArray("\nx") << QByteArray("[][x]");
    }
    void splitLines() {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, lines);
        std::vector<std::string> found;
        ForEachLine(S(text), [&](std::string_view line) {
            found.emplace_back(line);
            return true;
        });
        QCOMPARE(Joined(found), lines);
    }

    void formatting() {
        QCOMPARE(Format(kMsgFileNotFound, "KeyMapping.txt"),
                 std::string("No s'ha trobat l'arxiu 'KeyMapping.txt'"));
        QCOMPARE(FormatNumber("línia %d de %s", 255), std::string("línia 255 de %s"));
        QCOMPARE(Format(FormatNumber("%d %s", 0), "%d"), std::string("0 %d"));
    }
};

QTEST_APPLESS_MAIN(TestTextUtils)
#include "tst_text_utils.moc"
