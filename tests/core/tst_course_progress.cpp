// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// A learner's course over their files: loading the state and the history,
// unlocking, learning the next step at once, starting again; a state or word list
// that cannot be read offers nothing and is never written.
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <map>

#include "course/course.h"
#include "util/files.h"

using namespace teclarium;

namespace {

std::string Bytes(const QByteArray& b) {
    return std::string(b.constData(), static_cast<std::size_t>(b.size()));
}

// One course drill of the history: each of chars typed 10 times right, in ms each.
std::string HistoryOf(const std::string& chars, int ms, int timed = 10) {
    std::string counts = "{", times = "{";
    for (char c : chars) {
        counts += std::string(1, c) + "=10/0 ";
        times += std::string(1, c) + "=" + std::to_string(ms * timed) + ":" + std::to_string(timed) + " ";
    }
    counts.back() = '}';
    times.back() = '}';
    return "2026-12-07 10:44:14\tcurs\t3\t10\t0\t0\t12.5\t0.0\t4.1\t14.4\t48\t" + counts + "\t" + times +
           "\r\n";
}

// Every file of the folder and its bytes.
std::map<QString, std::string> Snapshot(const QTemporaryDir& dir) {
    std::map<QString, std::string> files;
    for (const QString& name : QDir(dir.path()).entryList(QDir::Files | QDir::Hidden))
        files[name] = ReadWholeFile(QFile::encodeName(dir.filePath(name)).toStdString());
    return files;
}

struct TLearner {
    QTemporaryDir Dir;
    std::string Settings = QFile::encodeName(Dir.filePath("Anna.ini")).toStdString();
    std::string State = QFile::encodeName(Dir.filePath("Anna.curs")).toStdString();
    void Write(const char* name, const QByteArray& bytes) {
        if (!bytes.isNull())
            WriteWholeFile(QFile::encodeName(Dir.filePath(name)).toStdString(), Bytes(bytes));
    }
};

const TCourseTarget kTarget{150, 95};

}  // namespace

class TestCourseProgress : public QObject {
    Q_OBJECT

  private slots:
    // state: the file before (null: none); action: U unlock when due, N the next
    // step at once, R start again, F<c> choose c as the focus, A the automatic focus,
    // L a lesson starts.
    void progress_data() {
        QTest::addColumn<QByteArray>("order");
        QTest::addColumn<QByteArray>("state");
        QTest::addColumn<QByteArray>("history");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QByteArray>("unlocked");
        QTest::addColumn<QByteArray>("stateAfter");  // null: no file written
        QTest::addColumn<int>("steps");
        QTest::addColumn<QByteArray>("learned");
        QTest::addColumn<QByteArray>("meanwhile");  // stored by another copy after the load (null: none)
        const QByteArray order = "fj\tBase\r\ndk\tDos\r\nsl\tTres\r\n";
        QTest::newRow("every learned key at the target unlocks the next step")
            << order << QByteArray() << QByteArray::fromStdString(HistoryOf("fj", 400)) << "U"
            << QByteArray("dk") << QByteArray("#curs 1\r\napreses=fjdk\r\nnova=dk\r\n") << 2
            << QByteArray("fjdk") << QByteArray();
        QTest::newRow("below the target nothing unlocks and nothing is written")
            << order << QByteArray() << QByteArray::fromStdString(HistoryOf("fj", 401)) << "U" << QByteArray()
            << QByteArray() << 1 << QByteArray("fj") << QByteArray();
        QTest::newRow("a key with fewer than 10 timed presses holds it back")
            << order << QByteArray()
            << QByteArray::fromStdString(HistoryOf("f", 300) + HistoryOf("j", 300, 9)) << "U" << QByteArray()
            << QByteArray() << 1 << QByteArray("fj") << QByteArray();
        QTest::newRow("the next step at once")
            << order << QByteArray() << QByteArray() << "N" << QByteArray("dk")
            << QByteArray("#curs 1\r\napreses=fjdk\r\nnova=dk\r\n") << 2 << QByteArray("fjdk")
            << QByteArray();
        QTest::newRow("after the last step nothing more")
            << order << QByteArray("#curs 1\r\napreses=fjdksl\r\n") << QByteArray() << "N" << QByteArray()
            << QByteArray("#curs 1\r\napreses=fjdksl\r\n") << 3 << QByteArray("fjdksl") << QByteArray();
        QTest::newRow("a step put before learned ones is the next to learn, the later ones stay")
            << QByteArray("fj\tBase\r\nq\tQ\r\ndk\tDos\r\nsl\tTres\r\n")
            << QByteArray("#curs 1\r\napreses=fjdksl\r\n") << QByteArray() << "N" << QByteArray("q")
            << QByteArray("#curs 1\r\napreses=fjdkslq\r\nnova=q\r\n") << 4 << QByteArray("fjqdksl")
            << QByteArray();
        QTest::newRow("characters of no step are kept")
            << order << QByteArray("#curs 1\r\napreses=fjx\xE7\r\n") << QByteArray() << "N"
            << QByteArray("dk") << QByteArray("#curs 1\r\napreses=fjx\xE7\x64k\r\nnova=dk\r\n") << 2
            << QByteArray("fjdk") << QByteArray();
        QTest::newRow("a byte-order mark is skipped and never written")
            << order << QByteArray("\xEF\xBB\xBF#curs 1\r\napreses=fjdk\r\n") << QByteArray() << "N"
            << QByteArray("sl") << QByteArray("#curs 1\r\napreses=fjdksl\r\nnova=sl\r\n") << 3
            << QByteArray("fjdksl") << QByteArray();
        QTest::newRow("starting again keeps the first step only")
            << order << QByteArray("#curs 1\r\napreses=fjdk\r\n") << QByteArray() << "R" << QByteArray()
            << QByteArray("#curs 1\r\napreses=fj\r\n") << 1 << QByteArray("fj") << QByteArray();
        QTest::newRow("a learned key chosen as the focus is kept")
            << order << QByteArray("#curs 1\r\napreses=fjdk\r\n") << QByteArray() << "Fj" << QByteArray()
            << QByteArray("#curs 1\r\napreses=fjdk\r\nfocus=j\r\n") << 2 << QByteArray("fjdk")
            << QByteArray();
        QTest::newRow("a key not learned cannot be the focus")
            << order << QByteArray("#curs 1\r\napreses=fjdk\r\n") << QByteArray() << "Fs" << QByteArray()
            << QByteArray("#curs 1\r\napreses=fjdk\r\n") << 2 << QByteArray("fjdk") << QByteArray();
        QTest::newRow("the automatic focus back")
            << order << QByteArray("#curs 1\r\napreses=fjdk\r\nfocus=j\r\n") << QByteArray() << "A"
            << QByteArray() << QByteArray("#curs 1\r\napreses=fjdk\r\n") << 2 << QByteArray("fjdk")
            << QByteArray();
        QTest::newRow("a new key gives the focus back to the rule")
            << order << QByteArray("#curs 1\r\napreses=fjdk\r\nfocus=j\r\n") << QByteArray() << "N"
            << QByteArray("sl") << QByteArray("#curs 1\r\napreses=fjdksl\r\nnova=sl\r\n") << 3
            << QByteArray("fjdksl") << QByteArray();
        QTest::newRow("the news stays until a lesson starts")
            << order << QByteArray("#curs 1\r\napreses=fjdk\r\nfocus=f\r\nnova=dk\r\n") << QByteArray() << "L"
            << QByteArray() << QByteArray("#curs 1\r\napreses=fjdk\r\nfocus=f\r\n") << 2 << QByteArray("fjdk")
            << QByteArray();
        QTest::newRow("a state of an older order (a apart) keeps every key in the new one")
            << QByteArray("fja\tBase\r\ndk\tDos\r\nsl\tTres\r\ne\tE\r\n")
            << QByteArray("#curs 1\r\napreses=fjdksla\r\n") << QByteArray() << "N" << QByteArray("e")
            << QByteArray("#curs 1\r\napreses=fjdksla\x65\r\nnova=e\r\n") << 4 << QByteArray("fjadksle")
            << QByteArray();
        QTest::newRow("a key another copy stored meanwhile is kept by the next step")
            << order << QByteArray("#curs 1\r\napreses=fjdk\r\n") << QByteArray() << "N" << QByteArray("sl")
            << QByteArray("#curs 1\r\napreses=fjdkxsl\r\nnova=sl\r\n") << 3 << QByteArray("fjdksl")
            << QByteArray("#curs 1\r\napreses=fjdkx\r\n");
        QTest::newRow("a step another copy learned meanwhile is no news, the next waits")
            << order + "a\tQuatre\r\n"
            << QByteArray("#curs 1\r\napreses=fjdk\r\n") << QByteArray::fromStdString(HistoryOf("dfjk", 300))
            << "U" << QByteArray() << QByteArray("#curs 1\r\napreses=fjdksl\r\nnova=sl\r\n") << 3
            << QByteArray("fjdksl") << QByteArray("#curs 1\r\napreses=fjdksl\r\nnova=sl\r\n");
    }
    void progress() {
        QFETCH(QByteArray, order);
        QFETCH(QString, action);
        TLearner learner;
        QFETCH(QByteArray, state);
        learner.Write("Anna.curs", state);
        QFETCH(QByteArray, history);
        learner.Write("Anna.hist", history);
        TCourse course(ParseCourseFile(Bytes(order), "curs.txt"), ParseWordList("casa\r\n", "paraules.txt"));
        course.Load(learner.Settings, kTarget);
        QCOMPARE(QString::fromStdString(course.LessonProblem()), QString());
        QFETCH(QByteArray, meanwhile);
        learner.Write("Anna.curs", meanwhile);
        std::string unlocked;
        if (action == "U") unlocked = course.UnlockIfDue();
        if (action == "N") unlocked = course.LearnNext();
        if (action == "R") course.Restart();
        if (action == "A") course.ChooseFocus(0);
        if (action == "L") course.LessonStarted();
        if (action.startsWith('F')) course.ChooseFocus(static_cast<unsigned char>(action.at(1).toLatin1()));
        QTEST(QByteArray::fromStdString(unlocked), "unlocked");
        QFETCH(QByteArray, stateAfter);
        QCOMPARE(FileExists(learner.State), !stateAfter.isNull());
        if (!stateAfter.isNull())
            QCOMPARE(QByteArray::fromStdString(ReadWholeFile(learner.State)), stateAfter);
        QTEST(int(course.LearnedSteps()), "steps");
        QTEST(QByteArray::fromStdString(course.Learned()), "learned");
        // What was written reads back the same, the chosen focus the lessons' one.
        const unsigned char chosen = course.ChosenFocus();
        const std::string news = course.News();
        course.Load(learner.Settings, kTarget);
        QTEST(QByteArray::fromStdString(course.Learned()), "learned");
        QCOMPARE(course.ChosenFocus(), chosen);
        QCOMPARE(course.News(), news);
        if (chosen != 0) QCOMPARE(course.Focus(), chosen);
    }

    // %1 stands for the state's path, %2 for the word list's name.
    void unreadableNeverWritten_data() {
        QTest::addColumn<QByteArray>("state");
        QTest::addColumn<QByteArray>("words");
        QTest::addColumn<QString>("problem");
        const QByteArray words = "casa\r\nfa\r\n";
        QTest::newRow("a state of a newer version")
            << QByteArray("#curs 2\r\napreses=fjdksla\r\n") << words
            << QString::fromUtf8(
                   "L'arxiu %1 és d'una versió més nova del programa: no es pot llegir ni canviar");
        QTest::newRow("a state with a line not understood")
            << QByteArray("#curs 1\r\napreses=fj\r\nx=1\r\n") << words
            << QString::fromUtf8("Línia 3 incorrecta de l'arxiu %1: no s'entén");
        QTest::newRow("a state with a control character")
            << QByteArray("#curs 1\r\napreses=f\x01j\r\n") << words
            << QString::fromUtf8(
                   "Línia 2 incorrecta de l'arxiu %1: hi ha un espai, un caràcter de control o un caràcter "
                   "no vàlid");
        QTest::newRow("a word list in UTF-8")
            << QByteArray("#curs 1\r\napreses=fj\r\n") << QByteArray("casa\r\nfa\xC3\xA7\r\n")
            << QString::fromUtf8(
                   "L'arxiu %2 està desat en UTF-8: deseu-lo en Windows-1252 (Europa occidental)");
        QTest::newRow("a word list of blank lines")
            << QByteArray() << QByteArray("\r\n\r\n") << QString::fromUtf8("L'arxiu %2 no té cap paraula");
    }
    void unreadableNeverWritten() {
        QFETCH(QByteArray, state);
        QFETCH(QByteArray, words);
        TLearner learner;
        learner.Write("Anna.curs", state);
        learner.Write("Anna.hist", QByteArray::fromStdString(HistoryOf("fj", 300)));  // at the target
        const std::map<QString, std::string> before = Snapshot(learner.Dir);
        TCourse course(ParseCourseFile("fj\tBase\r\ndk\tDos\r\n", "curs.txt"),
                       ParseWordList(Bytes(words), "paraules.txt"));
        course.Load(learner.Settings, kTarget);
        QFETCH(QString, problem);
        QCOMPARE(QString::fromStdString(course.LessonProblem()),
                 problem.replace("%1", QString::fromStdString(learner.State)).replace("%2", "paraules.txt"));
        QVERIFY(course.Lesson(30, 1).empty());
        QCOMPARE(course.UnlockIfDue(), std::string());
        QCOMPARE(course.LearnNext(), std::string());
        course.Restart();
        QVERIFY(Snapshot(learner.Dir) == before);
    }
};

QTEST_GUILESS_MAIN(TestCourseProgress)
#include "tst_course_progress.moc"
