// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// One running copy: real processes of the program under Xvfb. A second start brings
// the first copy forward, shows its message and ends; two copies started at the same
// moment leave one; a copy killed outright leaves nothing that stops the next start;
// a start while the first copy closes runs after it, on the settings it wrote.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <memory>
#include <vector>

using namespace std::chrono_literals;

namespace {

// How long a copy may take to end once told to: under the sanitizers, on a loaded
// machine, the leak check at exit alone can take several seconds.
constexpr int kExitWait = 30000;

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
    void cleanup() {
        // A failure shows what each copy printed.
        if (QTest::currentTestFailed())
            for (const auto& process : FProcesses)
                qInfo("copy %lld (exit %d): %s%s", qint64(process->processId()), process->exitCode(),
                      process->readAllStandardOutput().constData(),
                      process->readAllStandardError().constData());
        FProcesses.clear();
    }

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
        QVERIFY(killed->waitForFinished(kExitWait));
        QProcess* next = Start();
        QVERIFY(QTest::qWaitFor([&] { return !Windows(next->processId()).isEmpty(); }, 10000));
        QVERIFY(Windows(next->processId(), "Error").isEmpty());
        // It holds the place: a later start is the second copy.
        QProcess* later = Start();
        QVERIFY(QTest::qWaitFor([&] { return !Windows(later->processId(), "Error").isEmpty(); }, 10000));
        AnswerMessage(later);
    }

    void startWhileTheFirstClosesRunsAfterIt() {
        QFile settings(FDir.filePath("Teclarium.ini"));
        QVERIFY(settings.open(QIODevice::WriteOnly | QIODevice::Truncate));
        settings.write("[Options]\r\nMkLink=0\r\nWriteWrongChar=0\r\n");
        settings.close();
        QProcess* first = Start();
        QVERIFY(QTest::qWaitFor([&] { return Windows(first->processId(), "Teclarium").size() == 1; }, 10000));
        const QString window = Windows(first->processId(), "Teclarium").first();
        QVERIFY(Xdo({"windowfocus", "--sync", window}).isEmpty());
        // A drill (the start button has the focus), ended at once: the run has practice
        // time, so closing shows its summary.
        Xdo({"key", "--window", window, "space", "Escape"});
        // "Escriu el caràcter equivocat" on; then Arxiu > Surt (the menu's last item).
        Xdo({"key", "--window", window, "alt+q"});
        Quit(first, window);
        // The practice summary keeps the first copy closing.
        QVERIFY(QTest::qWaitFor([&] { return !Windows(first->processId(), "Inform.*").isEmpty(); }, 5000));
        QProcess* second = Start();
        // It has come to the lock, which the first copy holds, and waits.
        QVERIFY(QTest::qWaitFor([&] { return HasLockOpen(second); }, 10000));
        QCOMPARE(second->state(), QProcess::Running);
        QVERIFY(Windows(second->processId()).isEmpty());
        AnswerMessage(first, "Inform.*");
        QVERIFY(QTest::qWaitFor([&] { return !Windows(second->processId(), "Teclarium").isEmpty(); }, 10000));
        QCOMPARE(Windows(second->processId()).size(), 1);
        QVERIFY(Windows(second->processId(), "Error").isEmpty());
        QVERIFY(Settings().contains("WriteWrongChar=1"));
        // The second copy read the first one's settings: it writes the change back.
        const QString secondWindow = Windows(second->processId()).first();
        Xdo({"windowfocus", "--sync", secondWindow});
        Quit(second, secondWindow);
        QVERIFY(second->waitForFinished(kExitWait));
        QVERIFY(Settings().contains("WriteWrongChar=1"));
    }

  private:
    // Arxiu > Surt: the menu's last item. A window just shown may not take the first
    // click yet: click again until the menu opens.
    void Quit(QProcess* process, const QString& window) {
        bool opened = false;
        for (int attempt = 0; attempt < 10 && !opened; ++attempt) {
            Xdo({"mousemove", "--window", window, "20", "10", "click", "1"});
            opened = QTest::qWaitFor([&] { return Windows(process->processId()).size() == 2; }, 500);
        }
        QVERIFY(opened);
        QStringList menu = Windows(process->processId());
        menu.removeAll(window);
        QCOMPARE(menu.size(), 1);
        // A key sent while the menu is still taking the keyboard can be lost: sent again
        // until the menu has closed.
        bool chosen = false;
        for (int attempt = 0; attempt < 10 && !chosen; ++attempt) {
            Xdo({"key", "--window", menu.first(), "Up", "Return"});
            chosen =
                QTest::qWaitFor([&] { return !Windows(process->processId()).contains(menu.first()); }, 500);
        }
        QVERIFY(chosen);
    }
    // Whether the process has the single-instance lock file open.
    bool HasLockOpen(QProcess* process) {
        const QDir fds(QStringLiteral("/proc/%1/fd").arg(process->processId()));
        for (const QFileInfo& fd : fds.entryInfoList(QDir::Files | QDir::System)) {
            const QString target = fd.symLinkTarget();
            if (target.startsWith(FRuntime.path()) && target.endsWith(QStringLiteral(".lock"))) return true;
        }
        return false;
    }
    QByteArray Settings() {
        QFile file(FDir.filePath("Teclarium.ini"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QProcess* Start() {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", FDir.filePath("home"));
        env.insert("XDG_DATA_HOME", FDir.filePath("home/.local/share"));
        env.insert("XDG_RUNTIME_DIR", FRuntime.path());
        process->setProcessEnvironment(env);
        process->setWorkingDirectory(FDir.path());
        process->start(FDir.filePath("Teclarium"), {});
        process->waitForStarted();
        FProcesses.push_back(std::move(process));
        return FProcesses.back().get();
    }
    // Return on a copy's last message box (by default the second copy's), which then
    // ends. While both copies start, the first may take the focus back between two
    // xdotool calls: retry.
    void AnswerMessage(QProcess* process, const QString& title = QStringLiteral("Error")) {
        // A box just mapped may be missed by one search while the first copy raises its
        // windows: looked for again, within a bound.
        QStringList box;
        QVERIFY(
            QTest::qWaitFor([&] { return !(box = Windows(process->processId(), title)).isEmpty(); }, 10000));
        for (int attempt = 0; attempt < 10 && process->state() == QProcess::Running; ++attempt) {
            Xdo({"windowfocus", box.first()});
            Xdo({"key", "--window", box.first(), "Return"});
            process->waitForFinished(500);
        }
        process->waitForFinished(kExitWait);
        QCOMPARE(process->state(), QProcess::NotRunning);
        QCOMPARE(process->exitCode(), 0);
    }

    QTemporaryDir FDir, FRuntime;
    std::vector<std::unique_ptr<QProcess>> FProcesses;  // killed when dropped
};

QTEST_MAIN(TestSingleInstance)
#include "tst_single_instance.moc"
