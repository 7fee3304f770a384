// One running copy: real processes of the program under Xvfb. A second start brings
// the first copy forward, shows its message and ends; two copies started at the same
// moment leave one; a copy killed outright leaves nothing that stops the next start.
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <memory>
#include <vector>

using namespace std::chrono_literals;

namespace {

QString Xdo(const QStringList& args) {
    QProcess xdo;
    xdo.start(QStringLiteral("xdotool"), args);
    xdo.waitForFinished();
    return QString::fromLocal8Bit(xdo.readAllStandardOutput()).trimmed();
}

// The visible windows of a process, optionally only those with a given title.
QStringList Windows(qint64 pid, const QString& title = QString()) {
    QStringList args{"search", "--all", "--onlyvisible", "--pid", QString::number(pid)};
    if (!title.isEmpty())
        args << "--name"
             << "^" + title + "$";
    return Xdo(args).split('\n', Qt::SkipEmptyParts);
}

qint64 FocusedPid() {
    return Xdo({"getwindowfocus", "getwindowpid"}).toLongLong();
}

}  // namespace

class TestSingleInstance : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        // A program folder of its own: the program's settings stay in it.
        QVERIFY(QFile::copy(TECLARIUM_BINARY, FDir.filePath("Teclarium")));
        QVERIFY(QFile::setPermissions(FDir.filePath("Teclarium"), QFile::ReadOwner | QFile::ExeOwner));
        for (const char* name : {"KeyMapping.txt", "CharsToType.txt", "11.tcm"})
            QVERIFY(QFile::copy(QStringLiteral(TECLARIUM_DATA_DIR "/") + name, FDir.filePath(name)));
    }
    void cleanup() { FProcesses.clear(); }

    void secondStartRaisesTheFirstAndEnds() {
        QProcess* first = Start();
        QVERIFY(QTest::qWaitFor([&] { return !Windows(first->processId()).isEmpty(); }, 10000));
        // Another window has the focus when the second copy starts.
        QWidget other;
        other.show();
        QVERIFY(QTest::qWaitForWindowExposed(&other));
        Xdo({"windowfocus", "--sync", QString::number(other.winId())});
        QCOMPARE(FocusedPid(), QCoreApplication::applicationPid());

        QElapsedTimer clock;
        clock.start();
        QProcess* second = Start();
        QVERIFY(QTest::qWaitFor([&] { return !Windows(second->processId(), "Error").isEmpty(); }, 10000));
        qInfo("second copy, start to message: %lld ms", clock.elapsed());
        AnswerMessage(second);
        QCOMPARE(first->state(), QProcess::Running);
        QTRY_COMPARE_WITH_TIMEOUT(FocusedPid(), first->processId(), 5000);
    }

    void twoStartedTogetherLeaveOne() {
        QProcess* a = Start();
        QProcess* b = Start();
        QProcess* second = nullptr;
        QVERIFY(QTest::qWaitFor(
            [&] {
                for (QProcess* p : {a, b})
                    if (!Windows(p->processId(), "Error").isEmpty()) second = p;
                return second != nullptr;
            },
            10000));
        QProcess* first = second == a ? b : a;
        AnswerMessage(second);
        QVERIFY(QTest::qWaitFor([&] { return !Windows(first->processId()).isEmpty(); }, 10000));
        QVERIFY(Windows(first->processId(), "Error").isEmpty());
        QCOMPARE(first->state(), QProcess::Running);
    }

    void startAfterKillWorksAtOnce() {
        QProcess* killed = Start();
        QVERIFY(QTest::qWaitFor([&] { return !Windows(killed->processId()).isEmpty(); }, 10000));
        QVERIFY(Windows(killed->processId(), "Error").isEmpty());
        killed->kill();  // SIGKILL: no clean-up of any kind
        QVERIFY(killed->waitForFinished(5000));
        QProcess* next = Start();
        QVERIFY(QTest::qWaitFor([&] { return !Windows(next->processId()).isEmpty(); }, 10000));
        QVERIFY(Windows(next->processId(), "Error").isEmpty());
        // It holds the place: a later start is the second copy.
        QProcess* later = Start();
        QVERIFY(QTest::qWaitFor([&] { return !Windows(later->processId(), "Error").isEmpty(); }, 10000));
        AnswerMessage(later);
    }

  private:
    QProcess* Start() {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", FDir.filePath("home"));
        env.insert("XDG_DATA_HOME", FDir.filePath("home/.local/share"));
        process->setProcessEnvironment(env);
        process->setWorkingDirectory(FDir.path());
        process->start(FDir.filePath("Teclarium"), {});
        process->waitForStarted();
        FProcesses.push_back(std::move(process));
        return FProcesses.back().get();
    }
    // Return on the second copy's message box, which then ends. While both copies
    // start, the first may take the focus back between two xdotool calls: retry.
    void AnswerMessage(QProcess* process) {
        const QStringList box = Windows(process->processId(), "Error");
        QVERIFY(!box.isEmpty());
        for (int attempt = 0; attempt < 10 && process->state() == QProcess::Running; ++attempt) {
            Xdo({"windowfocus", box.first()});
            Xdo({"key", "--window", box.first(), "Return"});
            process->waitForFinished(500);
        }
        QCOMPARE(process->state(), QProcess::NotRunning);
        QCOMPARE(process->exitCode(), 0);
    }

    QTemporaryDir FDir;
    std::vector<std::unique_ptr<QProcess>> FProcesses;  // killed when dropped
};

QTEST_MAIN(TestSingleInstance)
#include "tst_single_instance.moc"
