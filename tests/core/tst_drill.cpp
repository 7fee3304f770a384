// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// Judging, word sequencing and the drill's state, with a set clock.
#include <QTest>

#include "drill_fixture.h"

using namespace teclarium;
using namespace teclarium::test;

namespace {
QString Q(const std::string& s) {
    return QString::fromLatin1(s.data(), qsizetype(s.size()));
}
}  // namespace

class TestDrill : public QObject {
    Q_OBJECT

  private slots:
    void startShowsFirstWordAndZeroCounts() {
        TDrillFixture f;
        f.Start({"casa", "gat"});
        QVERIFY(f.Drill.DrillRunning());
        QCOMPARE(f.Drill.ToWrite(), std::string("casa"));
        QCOMPARE(f.Drill.ToNextWrite(), std::string("gat"));
        QCOMPARE(f.Drill.ShownCount(), 0);
        QCOMPARE(f.Drill.ShownErrors(), 0);
        QCOMPARE(f.Drill.ShownIncorrectKey(), 0);
        QCOMPARE(f.Drill.WordNumber(), 1);
        QCOMPARE(f.Keys.KeyToShow(), 'c');
    }

    void judging_data() {
        QTest::addColumn<bool>("writeWrong");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("correct");
        QTest::addColumn<int>("errors");
        QTest::addColumn<int>("incorrectShown");
        QTest::newRow("wrong key not written") << false << "caxsa"
                                               << "casa" << 4 << 1 << 0;
        QTest::newRow("last key wrong shows it") << false << "cax"
                                                 << "ca" << 2 << 1 << int('x');
        QTest::newRow("wrong key written") << true << "cax"
                                           << "cax" << 2 << 1 << int('x');
        QTest::newRow("backspace removes, then correct") << true << "cax\bs"
                                                         << "cas" << 3 << 1 << 0;
        QTest::newRow("after a wrong written key all is wrong") << true << "caxs"
                                                                << "caxs" << 2 << 2 << int('s');
        QTest::newRow("backspace counts when not writing") << false << "ca\b"
                                                           << "ca" << 2 << 1 << 8;
        QTest::newRow("backspace on empty field") << true << "\b"
                                                  << "" << 0 << 0 << 0;
        QTest::newRow("key after complete word") << false << "casaa"
                                                 << "casa" << 4 << 1 << int('a');
        QTest::newRow("case matters") << false << "Cc"
                                      << "c" << 1 << 1 << 0;
        QTest::newRow("control characters counted, never written") << true << "ca\r\x01"
                                                                   << "ca" << 2 << 2 << 1;
        QTest::newRow("unknown character matches nothing") << false << "\x1a"
                                                           << "" << 0 << 1 << 0x1a;
    }
    void judging() {
        QFETCH(bool, writeWrong);
        QFETCH(QString, keys);
        TDrillFixture f;
        f.Options.FWriteWrongChar = writeWrong;
        f.Start({"casa", "gat"});
        f.Type(keys.toStdString());
        QTEST(Q(f.Drill.EditText()), "field");
        QTEST(int(f.Drill.CorrectKeys()), "correct");
        QTEST(int(f.Drill.ErrorCount()), "errors");
        QTEST(int(f.Drill.ShownErrors()), "errors");
        QTEST(int(f.Drill.ShownIncorrectKey()), "incorrectShown");
    }

    void incorrectKeyHiddenWhenOptionOff() {
        TDrillFixture f;
        f.Options.FShowIncorrectKey = false;
        f.Start({"casa"});
        f.Type("x");
        QCOMPARE(f.Drill.ShownIncorrectKey(), 0);
        QCOMPARE(f.Drill.ErrorCount(), 1);
    }

    void emptyListStartsNothing() {
        TDrillFixture f;
        f.Start({});
        QVERIFY(!f.Drill.DrillRunning());
        f.Type("\x1b");
        QVERIFY(f.Host.Reports.empty());
    }

    void keysOutsideDrillCountNothing() {
        TDrillFixture f;
        f.Type("ab \b");
        QCOMPARE(f.Drill.EditText(), std::string());
        QCOMPARE(f.Drill.ErrorCount() + f.Drill.CorrectKeys(), 0);
        QVERIFY(f.Host.Reports.empty());
    }

    void navigationKeysSwallowed_data() {
        QTest::addColumn<int>("vk");
        QTest::addColumn<int>("after");
        QTest::newRow("home") << 36 << 0;
        QTest::newRow("left") << 37 << 0;
        QTest::newRow("up") << 38 << 0;
        QTest::newRow("end") << 35 << 35;
        QTest::newRow("right") << 39 << 39;
        QTest::newRow("delete") << 46 << 46;
    }
    void navigationKeysSwallowed() {
        QFETCH(int, vk);
        TDrillFixture f;
        f.Start({"casa"});
        f.Drill.EditKeyDown(vk);
        QTEST(vk, "after");
    }

    void spaceBarLitByCompletingKey() {
        TDrillFixture f;
        f.Options.FWriteWrongChar = true;
        f.Start({"la", "mar"});
        f.Type("l");
        QVERIFY(!f.Drill.SpaceBarLit());
        f.Type("a");
        QVERIFY(f.Drill.SpaceBarLit());
        f.Type("\b");  // incomplete again: the bar stays lit until Space
        QVERIFY(f.Drill.SpaceBarLit());
        f.Type("a ");
        QVERIFY(!f.Drill.SpaceBarLit());
        f.Options.FShowKeyToType = false;
        f.Type("mar");
        QVERIFY(!f.Drill.SpaceBarLit());
    }

    // Each typed word is followed by Space; the showings are "current/next" pairs.
    void sequencing_data() {
        QTest::addColumn<bool>("repeatWrong");
        QTest::addColumn<bool>("repeatWord");
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QStringList>("showings");
        QTest::addColumn<int>("reportedWords");
        QTest::newRow("plain") << false << false << QStringList{"a", "b"} << QStringList{"a", "b"}
                               << QStringList{"a/b", "b/"} << 2;
        QTest::newRow("every word twice")
            << false << true << QStringList{"a", "b"} << QStringList{"a", "a", "b", "b"}
            << QStringList{"a/a", "a/b", "b/b", "b/"} << 4;
        QTest::newRow("wrong word again, preview unchanged")
            << true << false << QStringList{"a", "b"} << QStringList{"x", "a", "b"}
            << QStringList{"a/b", "a/b", "b/"} << 3;
        QTest::newRow("wrong word not repeated") << false << false << QStringList{"a", "b"}
                                                 << QStringList{"x", "b"} << QStringList{"a/b", "b/"} << 2;
        QTest::newRow("both options: error, ok, error, ok")
            << true << true << QStringList{"a", "b"} << QStringList{"x", "a", "x", "a", "b", "b"}
            << QStringList{"a/a", "a/a", "a/b", "a/b", "b/b", "b/"} << 6;
        QTest::newRow("one word twice")
            << false << true << QStringList{"a"} << QStringList{"a", "a"} << QStringList{"a/a", "a/"} << 2;
        QTest::newRow("omitted last word") << false << false << QStringList{"ab", "cd"}
                                           << QStringList{"ab", "c"} << QStringList{"ab/cd", "cd/"} << 1;
        QTest::newRow("longer field omits") << false << false << QStringList{"ab", "cd"}
                                            << QStringList{"abx", "cd"} << QStringList{"ab/cd", "cd/"} << 1;
    }
    void sequencing() {
        QFETCH(bool, repeatWrong);
        QFETCH(bool, repeatWord);
        QFETCH(QStringList, words);
        QFETCH(QStringList, typed);
        QFETCH(QStringList, showings);
        TDrillFixture f;
        f.Options.FRepeatWrongWord = repeatWrong;
        f.Options.FRepeatWord = repeatWord;
        f.Options.FWriteWrongChar = true;
        std::vector<std::string> list;
        for (const QString& w : words) list.push_back(w.toStdString());
        f.Start(list);
        QStringList shown;
        for (const QString& t : typed) {
            QVERIFY2(f.Drill.DrillRunning(), qPrintable(t));
            shown << Q(f.Drill.ToWrite() + "/" + f.Drill.ToNextWrite());
            f.Type(t.toStdString() + " ");
        }
        QCOMPARE(shown, showings);
        QVERIFY(!f.Drill.DrillRunning());
        QCOMPARE(f.Host.Reports.size(), std::size_t(1));
        // The list's end reports every counted word as finished.
        QTEST(int(f.Drill.WordNumber()), "reportedWords");
    }

    void countLabelNotUpdatedByLastSpace() {
        TDrillFixture f;
        f.Start({"a", "b"});
        f.Type("a ");
        QCOMPARE(f.Drill.ShownCount(), 1);
        f.Type("b ");
        QVERIFY(!f.Drill.DrillRunning());
        QCOMPARE(f.Drill.ShownCount(), 1);
        QCOMPARE(f.Drill.WordIndex(), 2);
    }

    void omittedWordKeepsCount() {
        TDrillFixture f;
        f.Start({"ab", "cd", "ef"});
        f.Type(" ");
        QCOMPARE(f.Drill.OmittedWords(), 1);
        QCOMPARE(f.Drill.ShownCount(), 0);
        QCOMPARE(f.Drill.ToWrite(), std::string("cd"));
    }

    void repeatWordTurnedOnMidWord() {
        TDrillFixture f;
        f.Start({"a", "b"});
        QCOMPARE(f.Drill.ToNextWrite(), std::string("b"));
        f.Options.FRepeatWord = true;
        f.Type("a ");
        QCOMPARE(f.Drill.ToWrite(), std::string("a"));
    }

    void escape_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("report");
        QTest::addColumn<QString>("wordsLine");
        // 6 s before the first key, 1 s of it a pause: 5 s counted, one word.
        const QString fiveSeconds = "heu trigat 5 seg\r\n5.0 segons/paraula\r\n12.0 paraules/minut";
        QTest::newRow("first word incomplete: silent") << "ab" << false << "";
        QTest::newRow("first word complete") << "abc" << true << fiveSeconds;
        QTest::newRow("second word incomplete") << "abc de" << true << fiveSeconds;
    }
    void escape() {
        QFETCH(QString, typed);
        QFETCH(bool, report);
        TDrillFixture f;
        f.Start({"abc", "def"});
        f.Clock.Advance(6);
        f.Type(typed.toStdString() + "\x1b");
        QVERIFY(!f.Drill.DrillRunning());
        QCOMPARE(f.Host.Reports.size(), std::size_t(report ? 1 : 0));
        QFETCH(QString, wordsLine);
        if (report)
            QVERIFY2(f.Host.Reports[0].find(wordsLine.toStdString()) != std::string::npos,
                     f.Host.Reports[0].c_str());
        QVERIFY(f.Drill.ToWrite().empty() && f.Drill.EditText().empty());
        // Its time goes into the practice total either way.
        QVERIFY(!f.Drill.PracticeSummary().empty());
    }

    void restartAbandonsDrillWithoutTrace() {
        TDrillFixture f;
        f.Start({"abc"});
        f.Clock.Advance(30);
        f.Type("ax");
        f.Start({"de"});
        QCOMPARE(f.Drill.ErrorCount(), 0);
        QCOMPARE(f.Drill.CorrectKeys(), 0);
        QVERIFY(f.Host.Reports.empty());
        QVERIFY(f.Drill.PracticeSummary().empty());
    }

    void countersWrapAt16Bits() {
        TDrillFixture f;
        // 65,536 right keys and as many wrong ones, as a long drill would type them.
        f.Start({std::string(65536, 'a') + "b"});
        f.Type(std::string(65535, 'a'));
        f.Type(std::string(65535, 'x'));
        QCOMPARE(f.Drill.CorrectKeys(), 65535);
        QCOMPARE(f.Drill.ErrorCount(), 65535);
        f.Type("ax");
        QCOMPARE(f.Drill.CorrectKeys(), 0);
        QCOMPARE(f.Drill.ErrorCount(), 0);
    }

    void longWordsAreHandled() {
        TDrillFixture f;
        const std::string word(1000, 'k');
        f.Start({word});
        f.Type(word);
        QCOMPARE(f.Drill.CorrectKeys(), 1000);
        QVERIFY(f.Drill.SpaceBarLit());
    }
};

QTEST_APPLESS_MAIN(TestDrill)
#include "tst_drill.moc"
