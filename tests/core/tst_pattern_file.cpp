// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The pattern file's checks, messages and line numbering.
#include <QTest>

#include "byte_strings.h"
#include "sources/pattern_file.h"

using namespace teclarium;

namespace {
QByteArray Joined(const std::vector<std::string>& parts) {
    QByteArray all;
    for (const std::string& p : parts) all += "[" + B(p) + "]";
    return all;
}
QByteArray Message(int line, const char* reason) {
    return "Patró incorrecte a la línia " + QByteArray::number(line) + " de CharsToType.txt:\r\n" + reason;
}
const char* kEmpty = "línia buida";
const char* kNoChars = "no hi ha caràcters assignats";
const char* kFew = "ha d'haver-hi un mínim de 3 caràcters assignats";
const char* kSpace = "no hi pot haver-hi l'espai";
}  // namespace

class TestPatternFile : public QObject {
    Q_OBJECT

  private slots:
    void lineChecks_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QByteArray>("reason");
        QTest::newRow("named pattern") << QByteArray("Fila de base\tasdfjkl\xF1") << QByteArray();
        QTest::newRow("empty name") << QByteArray("\tabc") << QByteArray();
        QTest::newRow("second TAB is a character") << QByteArray("x\tab\tc") << QByteArray();
        QTest::newRow("exactly 3") << QByteArray("x\tabc") << QByteArray();
        QTest::newRow("repeated characters accepted") << QByteArray("x\taaa") << QByteArray();
        QTest::newRow("empty line") << QByteArray("") << QByteArray(kEmpty);
        QTest::newRow("two characters") << QByteArray("x\tab") << QByteArray(kFew);
        QTest::newRow("TAB and one character") << QByteArray("x\t\ta") << QByteArray(kFew);
        QTest::newRow("no TAB") << QByteArray("x abc") << QByteArray(kNoChars);
        QTest::newRow("nothing after TAB") << QByteArray("x\t") << QByteArray(kNoChars);
        QTest::newRow("spaces only") << QByteArray("   ") << QByteArray(kNoChars);
        QTest::newRow("space among chars") << QByteArray("x\ta bc") << QByteArray(kSpace);
        QTest::newRow("three spaces") << QByteArray("x\t   ") << QByteArray(kSpace);
    }
    void lineChecks() {
        QFETCH(QByteArray, line);
        QFETCH(QByteArray, reason);
        QCOMPARE(B(std::string(PatternLineFault(S(line)))), reason);
        const TPatternFile file = ParsePatternFile(S(line + "\r\n"));
        if (reason.isEmpty()) {
            QCOMPARE(file.Lines.size(), std::size_t(1));
            QVERIFY(file.PatternError.empty());
        } else {
            QCOMPARE(B(file.PatternError), Message(0, reason));
            QVERIFY(file.Lines.empty());
        }
    }

    void patternChars_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QByteArray>("chars");
        QTest::newRow("after first TAB")
            << QByteArray("Fila de base\tasdfjkl\xF1") << QByteArray("asdfjkl\xF1");
        QTest::newRow("TAB kept among chars") << QByteArray("x\tab\tc") << QByteArray("ab\tc");
        QTest::newRow("empty name") << QByteArray("\tabc") << QByteArray("abc");
    }
    void patternChars() {
        QFETCH(QByteArray, line);
        QFETCH(QByteArray, chars);
        QCOMPARE(B(PatternChars(S(line))), chars);
    }

    // Whole files: the names listed, whether lines are kept, and the message.
    void files_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QByteArray>("names");
        QTest::addColumn<int>("lines");
        QTest::addColumn<QByteArray>("error");
        QTest::newRow("mixed breaks, no final break") << QByteArray("A\tabc\r\nB\tdef\rC\tghi\nD\tjkl")
                                                      << QByteArray("[A][B][C][D]") << 4 << QByteArray();
        QTest::newRow("empty third line is line 2") << QByteArray("A\tabc\r\nB\tdef\r\n\r\nD\tjkl\r\n")
                                                    << QByteArray("[A][B]") << 0 << Message(2, kEmpty);
        QTest::newRow("empty first line is line 0")
            << QByteArray("\r\nA\tabc\r\n") << QByteArray("") << 0 << Message(0, kEmpty);
        QTest::newRow("two final breaks: empty last line reported")
            << QByteArray("A\tabc\r\nB\tdef\r\n\r\n") << QByteArray("[A][B]") << 0 << Message(2, kEmpty);
        QTest::newRow("fifth line bad: four names, later lines ignored")
            << QByteArray("A\tabc\r\nB\tabc\r\nC\tabc\r\nD\tabc\r\nE\tab\r\nF\tabc\r\nG\r\n")
            << QByteArray("[A][B][C][D]") << 0 << Message(4, kFew);
        QTest::newRow("empty file") << QByteArray("") << QByteArray("") << 0 << QByteArray();
        QTest::newRow("names keep spaces and accents")
            << QByteArray("M\xE0 dreta, fila\thjkl\xF1\r\n") << QByteArray("[M\xE0 dreta, fila]") << 1
            << QByteArray();
    }
    void files() {
        QFETCH(QByteArray, content);
        QFETCH(QByteArray, names);
        QFETCH(int, lines);
        QFETCH(QByteArray, error);
        const TPatternFile file = ParsePatternFile(S(content));
        QCOMPARE(Joined(file.Names), names);
        QCOMPARE(int(file.Lines.size()), lines);
        QCOMPARE(B(file.PatternError), error);
    }

    void linesKeptAsRead() {
        const TPatternFile file = ParsePatternFile("Fila de base\tasdfjkl\xF1\r\n\tab\tc");
        QCOMPARE(Joined(file.Lines), QByteArray("[Fila de base\tasdfjkl\xF1][\tab\tc]"));
    }

    // More lines than an 8-bit counter holds: all are checked and offered, and a bad
    // line past the 256th is reported with its real number.
    void moreThan256Lines() {
        std::string content;
        for (int i = 0; i < 300; ++i) {
            content += 'P';
            content += std::to_string(i);
            content += "\tabc\r\n";
        }
        TPatternFile file = ParsePatternFile(content);
        QCOMPARE(file.Names.size(), std::size_t(300));
        QCOMPARE(file.Lines.size(), std::size_t(300));
        QCOMPARE(file.Names[299], std::string("P299"));
        file = ParsePatternFile(content + "x\tab\r\n");
        QCOMPARE(B(file.PatternError), Message(300, kFew));
        QCOMPARE(file.Names.size(), std::size_t(300));
    }
};

QTEST_APPLESS_MAIN(TestPatternFile)
#include "tst_pattern_file.moc"
