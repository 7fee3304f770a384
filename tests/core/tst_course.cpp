// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The course's rules: its order file, the word list, each key's recent figures,
// unlocking, the focus key, the lessons and the state kept per user.
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cctype>
#include <map>
#include <set>

#include "course/course.h"
#include "course/course_file.h"
#include "course/course_rules.h"
#include "course/course_state.h"
#include "course/key_stats.h"
#include "course/lesson.h"
#include "course/word_list_file.h"
#include "settings/ini_file.h"
#include "settings/settings_table.h"
#include "util/files.h"

using namespace teclarium;

namespace {

std::string Bytes(const QByteArray& b) {
    return std::string(b.constData(), static_cast<std::size_t>(b.size()));
}

// A history line of one drill whose per-character field and times are given.
std::string HistoryLine(const std::string& counts, const std::string& times) {
    return "2026-12-07 10:44:14\tcurs\t3\t10\t0\t0\t12.5\t0.0\t4.1\t14.4\t48\t" + counts +
           (times.empty() ? "" : "\t" + times) + "\r\n";
}

// A key's figures as a history would give them.
TKeyStat Stat(double timed, double ms, double typed, double right) {
    return {timed, ms, typed, right};
}

}  // namespace

class TestCourse : public QObject {
    Q_OBJECT

  private slots:
    void courseFile_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("steps");  // chars of each step
        QTest::addColumn<QString>("error");
        QTest::newRow("steps and comments")
            << QByteArray("; ordre\r\nfjdksla\tFila base\r\n\r\neh\tE i H\r\n\xB7\tEla geminada\r\n")
            << QStringList{"fjdksla", "eh", QString::fromLatin1("\xB7")} << QString();
        QTest::newRow("no tab") << QByteArray("fj\tBase\r\neh E i H\r\n") << QStringList()
                                << QString::fromUtf8(
                                       "Línia 2 incorrecta de l'arxiu curs.txt: hi falta el "
                                       "tabulador entre els caràcters i el nom del pas");
        QTest::newRow("a character of an earlier step")
            << QByteArray("fj\tBase\r\n;\r\nej\tE\r\n") << QStringList()
            << QString::fromUtf8(
                   "Línia 3 incorrecta de l'arxiu curs.txt: un caràcter ja és d'un pas anterior");
        QTest::newRow("a space among the characters")
            << QByteArray("f j\tBase\r\n") << QStringList()
            << QString::fromUtf8(
                   "Línia 1 incorrecta de l'arxiu curs.txt: hi ha un espai, un caràcter de "
                   "control o un caràcter no vàlid");
        QTest::newRow("no name") << QByteArray("fj\t \r\n") << QStringList()
                                 << QString::fromUtf8(
                                        "Línia 1 incorrecta de l'arxiu curs.txt: el pas no té nom");
        QTest::newRow("UTF-8 is refused")
            << QByteArray("fj\tBase\r\n\xC3\xA7\tCe trencada\r\n") << QStringList()
            << QString::fromUtf8(
                   "L'arxiu curs.txt està desat en UTF-8: deseu-lo en Windows-1252 (Europa occidental)");
        QTest::newRow("no step") << QByteArray("; res\r\n") << QStringList()
                                 << QString::fromUtf8(
                                        "Línia 1 incorrecta de l'arxiu curs.txt: no hi ha cap pas");
    }
    void courseFile() {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, steps);
        const TCourseFile file = ParseCourseFile(Bytes(content), "curs.txt");
        QStringList read;
        for (const TCourseStep& step : file.Steps) read << QString::fromLatin1(step.Chars);
        QCOMPARE(read, steps);
        QTEST(QString::fromStdString(file.Error), "error");
    }

    // A file's name is never read as a pattern: a "%s" in it stays as it is.
    void badLineNamesAnyPath() {
        QCOMPARE(QString::fromStdString(BadDataLine("/tmp/100%s %d/curs.txt", 3, "no s'entén")),
                 QString::fromUtf8("Línia 3 incorrecta de l'arxiu /tmp/100%s %d/curs.txt: no s'entén"));
    }

    // A step is refused when no key types one of its characters: dead-key letters
    // count when their dead key and base letter are on the keyboard.
    void untypeableStep_data() {
        QTest::addColumn<QByteArray>("order");
        QTest::addColumn<QString>("error");
        QTest::newRow("all typeable, one through its dead key")
            << QByteArray("fj\tBase\r\n\xE0\tA\r\n") << QString();
        QTest::newRow("a sign on no key")
            << QByteArray("fj\tBase\r\n; signe\r\n\xA9\tCopyright\r\n")
            << QString::fromUtf8(
                   "Línia 3 incorrecta de l'arxiu curs.txt: cap tecla del teclat no escriu el caràcter ©");
        QTest::newRow("a dead-key letter whose dead key is missing")
            << QByteArray("fj\tBase\r\n\xE9\tE\r\n")
            << QString::fromUtf8(
                   "Línia 2 incorrecta de l'arxiu curs.txt: cap tecla del teclat no escriu el caràcter é");
    }
    void untypeableStep() {
        QFETCH(QByteArray, order);
        // f, j, a and the grave dead key; no acute one.
        const TKeyCharsList keys{{70, 1, false, 'f', 'F', 0},
                                 {74, 2, true, 'j', 'J', 0},
                                 {65, 3, false, 'a', 'A', 0},
                                 {186, 4, true, '`', '^', '['}};
        TCourseFile file = ParseCourseFile(Bytes(order), "curs.txt");
        RefuseUntypeable(file, keys, "curs.txt");
        QTEST(QString::fromStdString(file.Error), "error");
        QCOMPARE(file.Steps.empty(), !file.Error.empty());
    }

    // The shipped order and word list read without a fault; the first lesson holds
    // only the first step's characters.
    void shippedFiles() {
        const TCourseFile order = ReadCourseFile(TECLARIUM_DATA_DIR "/curs.txt");
        QCOMPARE(QString::fromStdString(order.Error), QString());
        QVERIFY(order.Steps.size() >= 30);
        const TWordListFile words = ReadWordList(TECLARIUM_DATA_DIR "/paraules.txt");
        QCOMPARE(QString::fromStdString(words.Error), QString());
        QVERIFY(words.Words.size() >= 3000);
        const std::string first = order.Steps.front().Chars;
        for (const std::string& w :
             MakeLesson(words.Words, first, static_cast<unsigned char>(first.back()), TKeyStats{}, 30, 1))
            QVERIFY2(w.find_first_not_of(first) == std::string::npos, w.c_str());
    }

    void missingFiles() {
        QTemporaryDir dir;
        const std::string path = QFile::encodeName(dir.filePath("curs.txt")).toStdString();
        QCOMPARE(QString::fromStdString(ReadCourseFile(path).Error),
                 QString::fromUtf8("No s'ha trobat l'arxiu '%1'").arg(dir.filePath("curs.txt")));
        QVERIFY(!ReadWordList(path).Error.empty());
        QCOMPARE(ReadCourseState(path).Learned, std::string());  // a course not begun
    }

    void wordList_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QString>("error");
        QTest::newRow("words over 10 characters are left out")
            << QByteArray("casa\r\nextraordinari\r\ncol\xB7legi\r\n")
            << QStringList{"casa", QString::fromLatin1("col\xB7legi")} << QString();
        QTest::newRow("blank lines are skipped, a trailing one too")
            << QByteArray("casa\r\n\r\ngat\r\n\r\n") << QStringList{"casa", "gat"} << QString();
        QTest::newRow("UTF-8 is refused") << QByteArray("casa\r\npla\xC3\xA7\x61\r\n") << QStringList()
                                          << QString::fromUtf8(
                                                 "L'arxiu paraules.txt està desat en UTF-8: deseu-lo en "
                                                 "Windows-1252 (Europa occidental)");
        QTest::newRow("Windows-1252 that looks like no UTF-8")
            << QByteArray("pla\xE7\x61\r\n\xE0\r\n")
            << QStringList{QString::fromLatin1("pla\xE7\x61"), QString::fromLatin1("\xE0")} << QString();
        QTest::newRow("an editor's byte-order mark skipped") << QByteArray(
                                                                    "\xEF\xBB\xBF"
                                                                    "casa\r\n")
                                                             << QStringList{"casa"} << QString();
        QTest::newRow("a control character")
            << QByteArray("casa\r\ngat\r\nte\x01la\r\n") << QStringList()
            << QString::fromUtf8(
                   "Línia 3 incorrecta de l'arxiu paraules.txt: hi ha un espai, un caràcter de "
                   "control o un caràcter no vàlid");
        QTest::newRow("no word") << QByteArray("extraordinari\r\n") << QStringList()
                                 << QString::fromUtf8("L'arxiu paraules.txt no té cap paraula");
    }
    void wordList() {
        QFETCH(QByteArray, content);
        const TWordListFile list = ParseWordList(Bytes(content), "paraules.txt");
        QStringList read;
        for (const std::string& w : list.Words) read << QString::fromLatin1(w);
        QTEST(read, "words");
        QTEST(QString::fromStdString(list.Error), "error");
    }

    // The last 30 timed keys and the last 30 keys, newest drills first; a drill with
    // more than the window still wants counts in proportion. Version-1 lines have no times.
    void keyStats_data() {
        QTest::addColumn<QByteArray>("history");
        QTest::addColumn<double>("timed");
        QTest::addColumn<double>("speed");
        QTest::addColumn<double>("typed");
        QTest::addColumn<double>("accuracy");
        QTest::newRow("one drill") << QByteArray::fromStdString(HistoryLine("{a=10/0}", "{a=4000:10}"))
                                   << 10.0 << 150.0 << 10.0 << 100.0;
        QTest::newRow("version 1: accuracy, no speed")
            << QByteArray::fromStdString(HistoryLine("{a=9/1[s*1]}", "")) << 0.0 << 0.0 << 10.0 << 90.0;
        QTest::newRow("newest first, the oldest in proportion")
            << QByteArray::fromStdString("#historial 2\tdata\r\n" + HistoryLine("{a=40/0}", "{a=8000:40}") +
                                         HistoryLine("{a=20/0}", "{a=4000:20}"))
            // 20 keys at 200 ms, then 10 of 40 keys at 200 ms each.
            << 30.0 << 300.0 << 30.0 << 100.0;
        QTest::newRow("a damaged line is skipped")
            << QByteArray::fromStdString(HistoryLine("{a=10/0}", "{a=4000:10}") + "x\r\n") << 10.0 << 150.0
            << 10.0 << 100.0;
    }
    void keyStats() {
        QFETCH(QByteArray, history);
        const TKeyStat s = KeyStatsOfHistory(Bytes(history), "a").Stats['a'];
        QTEST(s.Timed, "timed");
        QTEST(s.Speed(), "speed");
        QTEST(s.Typed, "typed");
        QTEST(s.Accuracy(), "accuracy");
    }

    // Every learned key at the target speed and accuracy over at least 10 timed keys.
    void unlock_data() {
        QTest::addColumn<double>("timed");
        QTest::addColumn<double>("ms");
        QTest::addColumn<double>("right");  // of 30 typed
        QTest::addColumn<bool>("unlocks");
        QTest::newRow("at the target") << 30.0 << 12000.0 << 28.5 << true;
        QTest::newRow("just below the speed") << 30.0 << 12001.0 << 30.0 << false;
        QTest::newRow("just below the accuracy") << 30.0 << 6000.0 << 28.4 << false;
        QTest::newRow("ten keys are enough") << 10.0 << 4000.0 << 30.0 << true;
        QTest::newRow("too few keys") << 9.0 << 1000.0 << 30.0 << false;
    }
    void unlock() {
        QFETCH(double, timed);
        QFETCH(double, ms);
        QFETCH(double, right);
        TKeyStats stats{};
        stats['f'] = Stat(30, 6000, 30, 30);  // well above the target
        stats['j'] = Stat(timed, ms, 30, right);
        QTEST(NextStepUnlocks("fj", stats, TCourseTarget{150, 95}), "unlocks");
    }

    // What a key lacks first, in the words the window uses: timed presses, then
    // speed (a character's presses share its time), then accuracy.
    void keyAdvice_data() {
        QTest::addColumn<double>("timed");
        QTest::addColumn<double>("ms");
        QTest::addColumn<double>("right");    // of typed = timed
        QTest::addColumn<double>("presses");  // that type the character
        QTest::addColumn<QString>("advice");
        QTest::newRow("at the target") << 30.0 << 12000.0 << 30.0 << 1.0 << "ja és a l'objectiu";
        QTest::newRow("never typed") << 0.0 << 0.0 << 0.0 << 1.0 << "necessita 10 pulsacions més";
        QTest::newRow("fast but too few") << 9.0 << 1600.0 << 9.0 << 1.0 << "necessita 1 pulsació més";
        QTest::newRow("100 keys a minute")
            << 30.0 << 18000.0 << 30.0 << 1.0 << "és massa lenta: 100 de 150 tecles/minut";
        QTest::newRow("a dead key and its letter in that time: 200 presses a minute")
            << 30.0 << 18000.0 << 30.0 << 2.0 << "ja és a l'objectiu";
        QTest::newRow("fast, 90 % right")
            << 30.0 << 9000.0 << 27.0 << 1.0 << "té massa errors: 90 % d'encerts de 95 %";
        QTest::newRow("slow and wrong: the speed first")
            << 30.0 << 60000.0 << 20.0 << 1.0 << "és massa lenta: 30 de 150 tecles/minut";
    }
    void keyAdvice() {
        QFETCH(double, timed);
        QFETCH(double, ms);
        QFETCH(double, right);
        QFETCH(double, presses);
        TKeyStat stat = Stat(timed, ms, timed, right);
        stat.Presses = presses;
        QTEST(KeyAdvice(stat, TCourseTarget{150, 95}), "advice");
    }

    void focusKey_data() {
        QTest::addColumn<double>("jTimed");
        QTest::addColumn<double>("kTimed");
        QTest::addColumn<double>("kSpeedMs");  // k's time of its keys
        QTest::addColumn<QString>("focus");
        QTest::newRow("a newly learned key until it has 10 keys") << 30.0 << 9.0 << 600.0 << "k";
        QTest::newRow("the latest of those with too few") << 5.0 << 9.0 << 600.0 << "k";
        QTest::newRow("an earlier one with too few") << 5.0 << 30.0 << 6000.0 << "j";
        QTest::newRow("then the key furthest below the target") << 30.0 << 30.0 << 20000.0 << "k";
        QTest::newRow("the slower of two below") << 30.0 << 30.0 << 15000.0 << "j";
    }
    void focusKey() {
        QFETCH(double, jTimed);
        QFETCH(double, kTimed);
        QFETCH(double, kSpeedMs);
        TKeyStats stats{};
        stats['f'] = Stat(30, 6000, 30, 30);
        stats['j'] = Stat(jTimed, jTimed * 600, 30, 30);  // 100 keys a minute
        stats['k'] = Stat(kTimed, kSpeedMs, 30, 30);
        QTEST(QString(QChar(FocusKey("fjk", stats, TCourseTarget{150, 95}))), "focus");
    }

    void lessonWords_data() {
        QTest::addColumn<QString>("learned");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("minFocusWords");  // real words holding the focus
        QTest::addColumn<bool>("groups");        // letter groups fill the lesson
        QTest::newRow("the home row: few words, letter groups fill") << "fjdksla"
                                                                     << "a" << 1 << true;
        QTest::newRow("enough words") << "fjdkslaeimtnro"
                                      << "e" << 15 << false;
        QTest::newRow("a capital in a word's written form") << "fjdkslaeimtnrocC"
                                                            << "C" << 4 << true;
        QTest::newRow("a comma after a word") << "fjdkslaeimtnro,"
                                              << "," << 15 << false;
    }
    void lessonWords() {
        QFETCH(QString, learned);
        QFETCH(QString, focus);
        QFETCH(int, minFocusWords);
        QFETCH(bool, groups);
        std::vector<std::string> words{"sala", "dalla", "falda"};
        for (const char* w :
             {"carrer", "cosa",   "mare", "terra",  "mosca",          "resta",  "tema",   "menta",
              "ratoli", "moneda", "noia", "camisa", "trencaclosques", "torre",  "renda",  "santa",
              "marit",  "estona", "dona", "tanca",  "carta",          "cadena", "ermita", "entrada"})
            words.emplace_back(w);
        for (char c : std::string("fjdkslaimtnro")) {
            words.push_back("estat" + std::string(1, c));
            words.push_back("mona" + std::string(1, c));
        }
        const std::string chars = learned.toStdString();
        TKeyStats stats{};  // only the focus is new
        for (char c : chars)
            if (c != focus.at(0).toLatin1()) stats[static_cast<unsigned char>(c)] = Stat(30, 6000, 30, 30);
        const auto lesson =
            MakeLesson(words, chars, static_cast<unsigned char>(focus.at(0).toLatin1()), stats, 30, 7);
        QCOMPARE(lesson.size(), std::size_t(30));
        int holding = 0, realHolding = 0, fromList = 0;
        for (const std::string& w : lesson) {
            QVERIFY2(w.size() <= kLessonFormMaxLength && !w.empty(), w.c_str());
            QVERIFY2(w.find_first_not_of(chars) == std::string::npos, w.c_str());
            const bool holds = w.find(focus.at(0).toLatin1()) != std::string::npos;
            holding += holds;
            std::string bare = w;
            if (!bare.empty() && bare.back() == ',') bare.pop_back();
            bare.front() = static_cast<char>(std::tolower(static_cast<unsigned char>(bare.front())));
            const bool real = std::find(words.begin(), words.end(), bare) != words.end();
            fromList += real;
            realHolding += real && holds;
        }
        QVERIFY2(holding >= 15, qPrintable(QString::number(holding)));  // about half, at least
        QVERIFY(realHolding >= minFocusWords);
        QCOMPARE(fromList < 30, groups);
        QCOMPARE(MakeLesson(words, chars, static_cast<unsigned char>(focus.at(0).toLatin1()), stats, 30, 7),
                 lesson);
        QVERIFY(MakeLesson(words, chars, static_cast<unsigned char>(focus.at(0).toLatin1()), stats, 30, 8) !=
                lesson);
    }

    // Lessons over the shipped files at several steps, the last step's keys new:
    // real words (or their forms and contexts) first, written forms for capitals and signs, digits
    // and @ € # in their Catalan contexts, pseudo-words whose letter pairs all come
    // from the word list, nothing more than twice, the same seed the same lesson.
    // A lesson at each kind of step of the shipped course: real words where they fit;
    // pseudo-words a reader can say (a vowel, never three equal letters, pairs of the
    // list); an apostrophe or a hyphen only in the list's own checked forms; amounts
    // "25 €"; addresses without accents; digits among words.
    void lessonOverShippedFiles_data() {
        QTest::addColumn<int>("steps");
        QTest::addColumn<int>("minReal");  // real words (in any written form) and contexts
        QTest::newRow("the first step: syllables with a") << 1 << 2;
        QTest::newRow("the home row: the real words that fit, then pseudo-words") << 3 << 10;
        QTest::newRow("many words fit: no pseudo-word") << 13 << 30;
        QTest::newRow("w: its real words") << 18 << 30;
        QTest::newRow("capitals of the home row") << 26 << 30;
        QTest::newRow("capitals of the top row") << 27 << 30;
        QTest::newRow("accented capitals") << 29 << 30;
        QTest::newRow("apostrophe and hyphen") << 32 << 30;
        QTest::newRow("question and exclamation marks") << 33 << 30;
        QTest::newRow("the first digits") << 34 << 30;
        QTest::newRow("at, euro and hash") << 36 << 30;
    }
    void lessonOverShippedFiles() {
        QFETCH(int, steps);
        QFETCH(int, minReal);
        static const TCourseFile order = ReadCourseFile(TECLARIUM_DATA_DIR "/curs.txt");
        static const TWordListFile list = ReadWordList(TECLARIUM_DATA_DIR "/paraules.txt");
        QVERIFY(int(order.Steps.size()) >= steps);
        QVERIFY(order.Steps[0].Chars.find('a') != std::string::npos);  // syllables from the start
        for (const TCourseStep& step : order.Steps) QVERIFY2(step.Chars.size() <= 10, step.Name.c_str());
        const std::string learned = StepChars(order.Steps, std::size_t(steps));
        const auto focus = static_cast<unsigned char>(learned.back());
        std::set<std::string> words(list.Words.begin(), list.Words.end());
        std::set<std::pair<char, char>> pairs;  // letter pairs of the list, ' ' a word's edge
        for (const std::string& w : list.Words) {
            std::string edged = " " + w + " ";
            for (std::size_t i = 0; i + 1 < edged.size(); ++i) pairs.insert({edged[i], edged[i + 1]});
        }
        const QRegularExpression context(QString::fromLatin1(
            "^(\\d\\d:\\d\\d|\\d+(r|n|t|a|\xE8)|\x80|\\d+|[a-z]+@[a-z]+(\\.cat)?|#[^@#\x80\\d]+)$"));
        // The earlier steps' keys are at the target; the last step's are new.
        TKeyStats stats{};
        for (char c : StepChars(order.Steps, std::size_t(steps - 1)))
            stats[static_cast<unsigned char>(c)] = Stat(30, 6000, 30, 30);
        const std::vector<std::string> lesson = MakeLesson(list.Words, learned, focus, stats, 30, 5);
        QCOMPARE(lesson.size(), std::size_t(30));
        std::map<std::string, int> uses;
        int real = 0, holding = 0, plainWords = 0;
        for (std::size_t at = 0; at < lesson.size(); ++at) {
            const std::string& item = lesson[at];
            QVERIFY2(++uses[item] <= kLessonMaxRepeats || item == "\x80", item.c_str());
            QVERIFY2(item.find_first_not_of(learned) == std::string::npos, item.c_str());
            holding += item.find(static_cast<char>(focus)) != std::string::npos;
            const QString text = QString::fromLatin1(item);
            if (item.find_first_of("0123456789@#\x80") != std::string::npos) {
                QVERIFY2(context.match(text).hasMatch(), item.c_str());
                // An amount: the number, a space, the euro sign.
                if (item == "\x80")
                    QVERIFY2(at > 0 && std::isdigit(static_cast<unsigned char>(lesson[at - 1].back())),
                             lesson[at - 1].c_str());
                ++real;
                continue;
            }
            ++plainWords;
            // A real word in a written form: lower-cased, its signs taken off.
            std::string bare;
            for (char c : item) {
                const auto ch = static_cast<unsigned char>(c);
                if (std::string_view(",.;:?!\xBF\xA1").find(c) != std::string_view::npos) continue;
                bare += static_cast<char>(
                    (ch >= 'A' && ch <= 'Z') || (ch >= 0xC0 && ch <= 0xDE && ch != 0xD7) ? ch + 32 : ch);
            }
            if (words.count(bare)) {
                ++real;
                continue;
            }
            // Never an apostrophe or a hyphen of the lesson's own making.
            QVERIFY2(bare.find_first_of("'-") == std::string::npos, item.c_str());
            // A pseudo-word: a vowel, no three equal letters, and every pair of its
            // letters, its first and its last, from the list.
            QVERIFY2(bare.find_first_of("aeiou\xE0\xE8\xE9\xED\xF2\xF3\xFA\xEF\xFC") != std::string::npos,
                     item.c_str());
            const std::string edged = " " + bare + " ";
            for (std::size_t i = 0; i + 1 < edged.size(); ++i) {
                QVERIFY2(pairs.count({edged[i], edged[i + 1]}), item.c_str());
                QVERIFY2(i + 2 >= edged.size() || edged[i] != edged[i + 1] || edged[i] != edged[i + 2],
                         item.c_str());
            }
        }
        QVERIFY2(real >= minReal, qPrintable(QString::number(real)));
        QVERIFY2(holding >= 15, qPrintable(QString::number(holding)));
        QVERIFY2(plainWords >= 6, qPrintable(QString::number(plainWords)));  // digits among words
        QCOMPARE(MakeLesson(list.Words, learned, focus, stats, 30, 5), lesson);
        QVERIFY(MakeLesson(list.Words, learned, focus, stats, 30, 6) != lesson);
    }

    void courseState() {
        QTemporaryDir dir;
        const std::string settings = QFile::encodeName(dir.filePath("Joan.ini")).toStdString();
        const std::string path = CourseStateFileName(settings);
        QCOMPARE(QString::fromStdString(path), dir.filePath("Joan.curs"));
        WriteCourseState(path, "fjd\r\nk");
        QCOMPARE(ReadWholeFile(path), std::string("#curs 1\r\napreses=fjdk\r\n"));  // no line break stored
        QCOMPARE(ReadCourseState(path).Learned, std::string("fjdk"));
        const TCourseState bad = ParseCourseState("#curs 1\r\nx=1\r\n", "Joan.curs");
        QCOMPARE(QString::fromStdString(bad.Error),
                 QString::fromUtf8("Línia 2 incorrecta de l'arxiu Joan.curs: no s'entén"));
        const std::vector<TCourseStep> steps{{"fj", "Base"}, {"dk", "Dos"}, {"e", "E"}};
        QCOMPARE(LearnedSteps(steps, ""), std::size_t(1));  // the first step is always learned
        QCOMPARE(LearnedSteps(steps, "jfkde"), std::size_t(3));
        QCOMPARE(LearnedSteps(steps, "fjd"), std::size_t(1));
        QCOMPARE(StepChars(steps, 2), std::string("fjdk"));
    }

    void courseSettings_data() {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("accuracy");
        QTest::addColumn<int>("words");
        QTest::newRow("defaults") << QByteArray("[Options]\r\nTcmFN=11.tcm\r\n") << 150 << 95 << 30;
        QTest::newRow("out of range: the nearer bound")
            << QByteArray(
                   "[Options]\r\nCourseTargetSpeed=5\r\nCourseTargetAccuracy=101\r\nCourseLessonWords="
                   "500\r\n")
            << 10 << 100 << 99;
    }
    void courseSettings() {
        QFETCH(QByteArray, ini);
        QTemporaryDir dir;
        const std::string path = QFile::encodeName(dir.filePath("u.ini")).toStdString();
        WriteWholeFile(path, Bytes(ini));
        TNewIniFile file(path);
        const TCourseSettings s = ReadCourseSettings(file);
        QTEST(s.TargetSpeed, "speed");
        QTEST(s.TargetAccuracy, "accuracy");
        QTEST(s.LessonWords, "words");
        // Written back with new values and read from the file again: the values
        // changed, the other keys stayed.
        WriteCourseSettings(file, {s.TargetSpeed + 1, s.TargetAccuracy - 1, s.LessonWords - 1});
        QVERIFY(file.UpdateFile());
        const std::string text = ReadWholeFile(path);
        QVERIFY(text.find("CourseTargetSpeed=" + std::to_string(s.TargetSpeed + 1) + "\r\n") !=
                std::string::npos);
        QCOMPARE(text.find("TcmFN=11.tcm") != std::string::npos, ini.contains("TcmFN"));
        const TCourseSettings again = ReadCourseSettings(TNewIniFile(path));
        QCOMPARE(again.TargetSpeed, s.TargetSpeed + 1);
        QCOMPARE(again.TargetAccuracy, s.TargetAccuracy - 1);
        QCOMPARE(again.LessonWords, s.LessonWords - 1);
    }
};

QTEST_GUILESS_MAIN(TestCourse)
#include "tst_course.moc"
