// The single-instance guard's private place and owner checks: a folder of another
// user, or one others may write, is never used; a squatter of another user neither
// stops the guard nor stands in for this user's copy. And the guard's release when
// its window closes. Another user's id needs root; the process test covers the rest.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <string>

#include "platform/local_socket.h"
#include "platform/runtime_folder.h"
#include "platform/single_instance.h"

using teclarium::TFileDescriptor;

namespace {

constexpr uid_t kNobody = 65534;

// A forked process that runs hold (as another user when asked), tells when it holds
// what it took, and ends when the parent closes its side of the pipe (however the
// test ends). hold returns false when it could not take its part.
class TChild {
  public:
    TChild(bool otherUser, const std::function<bool()>& hold) {
        int ready[2], done[2];
        if (::pipe2(ready, O_CLOEXEC) != 0 || ::pipe2(done, O_CLOEXEC) != 0) return;
        FReady = TFileDescriptor(ready[0]);
        FDone = TFileDescriptor(done[1]);
        const TFileDescriptor readyOut(ready[1]), doneIn(done[0]);
        FPid = ::fork();
        if (FPid != 0) return;
        FDone = TFileDescriptor();  // the parent's end: the pipe closes when the parent's does
        if (otherUser && ::setuid(kNobody) != 0) ::_exit(1);
        char byte = 'x';
        if (hold() && ::write(readyOut.get(), &byte, 1) == 1) (void)::read(doneIn.get(), &byte, 1);
        ::_exit(0);
    }
    ~TChild() {
        FDone = TFileDescriptor();
        if (FPid > 0) ::waitpid(FPid, nullptr, 0);
    }
    // Whether the child holds its part (false when it could not).
    bool WaitReady() {
        char byte;
        return FPid > 0 && ::read(FReady.get(), &byte, 1) == 1;
    }

  private:
    TFileDescriptor FReady, FDone;
    pid_t FPid = -1;
};

std::string Path(const QTemporaryDir& dir, const char* name) {
    return dir.filePath(QString::fromUtf8(name)).toStdString();
}

// A folder that everyone may write in, as /tmp is.
bool OpenToAll(const std::string& folder) {
    return ::chmod(folder.c_str(), 01777) == 0;
}

}  // namespace

class TestLocalSocket : public QObject {
    Q_OBJECT

  private slots:
    // A copy whose window is closing answers no later copy, but keeps its place until
    // it ends: a start meanwhile waits, and runs once the first copy is gone.
    void closingCopyKeepsItsPlaceUntilItEnds() {
        QTemporaryDir dir;
        const QString title = QStringLiteral("TeclariumRelease");
        auto first = std::make_unique<teclarium::TSingleInstanceGuard>(title, dir.path().toStdString());
        QVERIFY(first->Claim());
        teclarium::TSingleInstanceGuard answered(title, dir.path().toStdString());
        QVERIFY(!answered.Claim(0));
        QObject window;
        first->ReleaseOnClose(window);
        QCloseEvent close;
        QCoreApplication::sendEvent(&window, &close);
        QVERIFY(!teclarium::TSingleInstanceGuard(title, dir.path().toStdString()).Claim(0));
        first.reset();
        QVERIFY(teclarium::TSingleInstanceGuard(title, dir.path().toStdString()).Claim(0));
    }

    void privateFolder_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("create");
        QTest::addColumn<bool>("isPrivate");
        QTest::newRow("own, 0700") << "own" << false << true;
        QTest::newRow("own, others may enter") << "0750" << false << false;
        QTest::newRow("own, others may write") << "0703" << false << false;
        QTest::newRow("link to an own private folder") << "link" << false << false;
        QTest::newRow("a file") << "file" << true << false;
        QTest::newRow("missing, made") << "missing" << true << true;
        QTest::newRow("missing, not made") << "missing" << false << false;
        QTest::newRow("another user's") << "other" << false << false;
        QTest::newRow("relative") << "relative" << true << false;
    }
    void privateFolder() {
        QFETCH(QString, kind);
        QFETCH(bool, create);
        QFETCH(bool, isPrivate);
        QTemporaryDir dir;
        const std::string own = Path(dir, "own"), folder = Path(dir, "folder");
        QCOMPARE(::mkdir(own.c_str(), 0700), 0);
        if (kind == "0750" || kind == "0703") {
            QCOMPARE(::mkdir(folder.c_str(), 0700), 0);
            QCOMPARE(::chmod(folder.c_str(), kind.toUInt(nullptr, 8)), 0);
        } else if (kind == "link") {
            QCOMPARE(::symlink(own.c_str(), folder.c_str()), 0);
        } else if (kind == "file") {
            QVERIFY(TFileDescriptor(::open(folder.c_str(), O_CREAT | O_WRONLY, 0600)).valid());
        } else if (kind == "other") {
            if (::geteuid() != 0) QSKIP("giving a folder to another user needs root");
            QCOMPARE(::mkdir(folder.c_str(), 0700), 0);
            QCOMPARE(::chown(folder.c_str(), kNobody, kNobody), 0);
        }
        const std::string path = kind == "own" ? own : kind == "relative" ? std::string("relative") : folder;
        QCOMPARE(teclarium::IsPrivateFolder(path, create), isPrivate);
    }

    // Another user takes every place the guard could use before it: the runtime
    // folder it names, and the folder under the temporary folder, with a lock held
    // and a socket listening under the program's names. The guard goes to the home
    // folder and still keeps one copy.
    void squatterOfAnotherUser() {
        if (::geteuid() != 0) QSKIP("taking another user's id needs root");
        QTemporaryDir dir;
        QCOMPARE(::chmod(dir.path().toLocal8Bit().constData(), 0711), 0);
        const std::string runtime = Path(dir, "runtime"), tmp = Path(dir, "tmp"), home = Path(dir, "home");
        QCOMPARE(::mkdir(tmp.c_str(), 0700), 0);
        QVERIFY(OpenToAll(tmp));
        QCOMPARE(::mkdir(home.c_str(), 0700), 0);
        QCOMPARE(::mkdir(runtime.c_str(), 0700), 0);
        QCOMPARE(::chown(runtime.c_str(), kNobody, kNobody), 0);
        const QString title = QStringLiteral("TeclariumSquat");
        const std::string taken = tmp + "/teclarium-" + std::to_string(::getuid());
        TFileDescriptor squatLock, squatSocket;
        TChild squatter(true, [&] {
            if (::mkdir(taken.c_str(), 0700) != 0 || !OpenToAll(taken)) return false;
            squatLock =
                TFileDescriptor(::open((taken + "/TeclariumSquat.lock").c_str(), O_CREAT | O_RDWR, 0666));
            squatSocket = teclarium::ListenLocal(taken + "/TeclariumSquat.socket");
            return squatLock.valid() && ::flock(squatLock.get(), LOCK_EX) == 0 && squatSocket.valid() &&
                   ::chmod((taken + "/TeclariumSquat.socket").c_str(), 0777) == 0;
        });
        QVERIFY(squatter.WaitReady());

        qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(runtime));
        qputenv("TMPDIR", QByteArray::fromStdString(tmp));
        qputenv("HOME", QByteArray::fromStdString(home));
        const std::string folder = teclarium::RuntimeFolder();
        QVERIFY(folder.rfind(home + "/.teclarium-", 0) == 0);
        teclarium::TSingleInstanceGuard first(title, folder);
        QVERIFY(first.Claim(0));
        QVERIFY(!teclarium::TSingleInstanceGuard(title, folder).Claim(0));
    }

    void peerUser_data() {
        QTest::addColumn<bool>("childListens");
        QTest::addColumn<bool>("otherUser");
        QTest::newRow("another user listens") << true << true;
        QTest::newRow("another user connects") << false << true;
        QTest::newRow("this user listens") << true << false;
        QTest::newRow("this user connects") << false << false;
    }
    void peerUser() {
        QFETCH(bool, childListens);
        QFETCH(bool, otherUser);
        if (::geteuid() != 0) QSKIP("taking another user's id needs root");
        QTemporaryDir dir;
        QVERIFY(OpenToAll(dir.path().toStdString()));
        const std::string path = Path(dir, "socket");
        const TFileDescriptor listener = childListens ? TFileDescriptor() : teclarium::ListenLocal(path);
        QVERIFY(childListens || (listener.valid() && ::chmod(path.c_str(), 0777) == 0));
        TFileDescriptor childEnd;
        TChild child(otherUser, [&] {
            childEnd = childListens ? teclarium::ListenLocal(path) : teclarium::ConnectLocal(path);
            return childEnd.valid() && (!childListens || ::chmod(path.c_str(), 0777) == 0);
        });
        QVERIFY(child.WaitReady());
        const TFileDescriptor end =
            childListens ? teclarium::ConnectLocal(path) : teclarium::AcceptLocal(listener.get());
        QVERIFY(end.valid());
        QCOMPARE(teclarium::PeerIsSameUser(end.get()), !otherUser);
    }
};

QTEST_MAIN(TestLocalSocket)
#include "tst_local_socket.moc"
