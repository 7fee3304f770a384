// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The compact word list: words keep their bytes and order through repeats.
#include <QTest>

#include "drill/word_list.h"

using namespace teclarium;

class TestWordList : public QObject {
    Q_OBJECT

  private slots:
    void keepsWordsAndOrder() {
        TWordList list{"el", "gat"};
        list.push_back(std::string_view("\0\xFF", 2));
        list.push_back("");
        list.RepeatGroups({2, 2}, 2);
        const std::string nulFF("\0\xFF", 2);
        QCOMPARE(list.ToVector(), (std::vector<std::string>{"el", "gat", "el", "gat", nulFF, "", nulFF, ""}));
        std::string joined;
        for (std::string_view w : list) joined += std::string(w) + "|";
        QCOMPARE(joined, "el|gat|el|gat|" + nulFF + "||" + nulFF + "||");
    }

    void repeatsShareBytes() {
        TWordList list;
        list.push_back("paraula");
        list.RepeatGroups({1}, 1001);
        QCOMPARE(list.size(), std::size_t(1001));
        QCOMPARE(list[1000], std::string_view("paraula"));
        list.assign(3, "x");
        QCOMPARE(list.ToVector(), (std::vector<std::string>{"x", "x", "x"}));
        list.assign(0, "x");
        QVERIFY(list.empty());
    }

    void equalityAndClear() {
        const TWordList a{"a", "b"};
        TWordList b(std::vector<std::string>{"a", "b"});
        QVERIFY(a == b);
        b.push_back("c");
        QVERIFY(!(a == b));
        b.clear();
        QVERIFY(b.empty());
        QCOMPARE(b.size(), std::size_t(0));
    }

    void longWordsKeepTheirLength() {
        const std::string word(100000, 'k');
        TWordList list{"a"};
        list.push_back(word);
        QCOMPARE(list[1].size(), word.size());
        QCOMPARE(list[0], std::string_view("a"));
    }
};

QTEST_APPLESS_MAIN(TestWordList)
#include "tst_word_list.moc"
