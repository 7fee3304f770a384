// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The random word generator's two rules, checked over many generated lists.
#include <QTest>
#include <set>

#include "sources/random_words.h"

using namespace teclarium;

namespace {

// Checks a list against the generator's rules. A rule may only be broken when no
// character of the pattern could have kept it at that point.
QString RuleViolation(const std::string& chars, std::size_t k, const std::vector<std::string>& words) {
    const std::set<char> distinct(chars.begin(), chars.end());
    bool havePrev = false;
    char prev = 0;
    for (const std::string& word : words) {
        if (word.size() != k) return QString("word of %1 characters").arg(word.size());
        for (std::size_t i = 0; i < word.size(); ++i) {
            const char c = word[i];
            if (chars.find(c) == std::string::npos) return "character outside the pattern";
            const std::string before = word.substr(0, i);
            auto fresh = [&](char x) {
                return !(havePrev && x == prev) && (i >= chars.size() || before.find(x) == std::string::npos);
            };
            const bool freshExists = std::any_of(distinct.begin(), distinct.end(), fresh);
            const bool notPrevExists = distinct.size() > 1 || !havePrev;
            if (freshExists && !fresh(c))
                return QString("rule broken in '%1'").arg(QString::fromLatin1(word));
            if (!freshExists && notPrevExists && havePrev && c == prev)
                return QString("character follows itself in '%1'").arg(QString::fromLatin1(word));
            prev = c;
            havePrev = true;
        }
    }
    return {};
}

}  // namespace

class TestRandomWords : public QObject {
    Q_OBJECT

  private slots:
    void rulesOverManySeeds_data() {
        QTest::addColumn<QByteArray>("chars");
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("n");
        QTest::newRow("abc k=3 n=2") << QByteArray("abc") << 3 << 2;
        QTest::newRow("abc k=5") << QByteArray("abc") << 5 << 20;
        QTest::newRow("home row k=4") << QByteArray("asdfjkl\xF1") << 4 << 99;
        QTest::newRow("home row k=9") << QByteArray("asdfjkl\xF1") << 9 << 50;
        QTest::newRow("k=2 n=2 minimum") << QByteArray("xyz") << 2 << 2;
        QTest::newRow("TAB is a character") << QByteArray("ab\tc") << 4 << 30;
        QTest::newRow("aab k=2") << QByteArray("aab") << 2 << 40;
        QTest::newRow("aab k=3 relaxes") << QByteArray("aab") << 3 << 40;
        QTest::newRow("aaab k=9 relaxes") << QByteArray("aaab") << 9 << 40;
        QTest::newRow("aaa relaxes both") << QByteArray("aaa") << 9 << 99;
        QTest::newRow("long pattern") << QByteArray(300, 'q').append("wer") << 9 << 99;
    }
    void rulesOverManySeeds() {
        QFETCH(QByteArray, chars);
        QFETCH(int, k);
        QFETCH(int, n);
        const std::string pattern(chars.constData(), std::size_t(chars.size()));
        for (std::uint32_t seed = 0; seed < 500; ++seed) {
            const auto words = GenerateRandomWords(pattern, std::size_t(k), std::size_t(n), seed * 7919u);
            QCOMPARE(int(words.size()), n);
            const QString fault = RuleViolation(pattern, std::size_t(k), words);
            if (!fault.isEmpty()) QFAIL(qPrintable(QString("seed %1: %2").arg(seed).arg(fault)));
        }
    }

    // With k no greater than the number of distinct characters, every word's
    // characters all differ; with k above it, the first L do.
    void distinctWithinWord() {
        for (std::uint32_t seed = 0; seed < 300; ++seed) {
            for (const std::string& w : GenerateRandomWords("asdfjkl\xF1", 4, 20, seed))
                QCOMPARE(std::set<char>(w.begin(), w.end()).size(), std::size_t(4));
            for (const std::string& w : GenerateRandomWords("abc", 5, 20, seed))
                QCOMPARE(std::set<char>(w.begin(), w.begin() + 3).size(), std::size_t(3));
        }
    }

    // "aab" with k = 2: after the first word every word equals it.
    void aabRepeatsFirstWord() {
        std::set<std::string> firsts;
        for (std::uint32_t seed = 0; seed < 200; ++seed) {
            const auto words = GenerateRandomWords("aab", 2, 10, seed);
            QVERIFY(words[0] == "ab" || words[0] == "ba");
            for (const std::string& w : words) QCOMPARE(w, words[0]);
            firsts.insert(words[0]);
        }
        QCOMPARE(firsts.size(), std::size_t(2));
    }

    // "abc" with k = 5 can give words whose last two letters repeat earlier ones.
    void longerThanPatternRepeats() {
        bool repeated = false;
        for (std::uint32_t seed = 0; seed < 100 && !repeated; ++seed)
            for (const std::string& w : GenerateRandomWords("abc", 5, 10, seed))
                repeated = repeated || w.substr(3).find_first_of(w.substr(0, 3)) != std::string::npos;
        QVERIFY(repeated);
    }

    // Draws are by position: a character written twice comes first twice as often.
    void drawsByPosition() {
        int a = 0;
        const int runs = 6000;
        for (int seed = 0; seed < runs; ++seed)
            if (GenerateRandomWords("aab", 2, 2, std::uint32_t(seed))[0][0] == 'a') ++a;
        QVERIFY2(a > runs * 0.62 && a < runs * 0.71, qPrintable(QString::number(a)));
    }

    void sameSeedSameList() {
        QCOMPARE(GenerateRandomWords("asdfjkl\xF1", 5, 50, 12345),
                 GenerateRandomWords("asdfjkl\xF1", 5, 50, 12345));
        QVERIFY(GenerateRandomWords("asdfjkl\xF1", 5, 50, 1) != GenerateRandomWords("asdfjkl\xF1", 5, 50, 2));
    }

    void clockSeedWithinDay() { QVERIFY(ClockSeed() < 24u * 60 * 60 * 1000); }
};

QTEST_APPLESS_MAIN(TestRandomWords)
#include "tst_random_words.moc"
