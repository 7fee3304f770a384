// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
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
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "platform/local_socket.h"
#include "platform/runtime_folder.h"
#include "platform/ui/single_instance.h"

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
        if (hold() && ::write(readyOut.get(), &byte, 1) == 1 && ::read(doneIn.get(), &byte, 1) < 0)
            ::_exit(1);
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

std::vector<teclarium::TRuntimeFolder> Folders(const QTemporaryDir& dir) {
    return {{dir.path().toStdString(), false}};
}

bool IsSocket(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISSOCK(st.st_mode);
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
        auto first = std::make_unique<teclarium::TSingleInstanceGuard>(title, Folders(dir));
        QVERIFY(first->Claim());
        teclarium::TSingleInstanceGuard answered(title, Folders(dir));
        QVERIFY(!answered.Claim(0));
        QObject window;
        first->ReleaseOnClose(window);
        QCloseEvent close;
        QCoreApplication::sendEvent(&window, &close);
        QVERIFY(!teclarium::TSingleInstanceGuard(title, Folders(dir)).Claim(0));
        first.reset();
        // It ends leaving neither its lock file nor its socket.
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
                 QStringList());
        QVERIFY(teclarium::TSingleInstanceGuard(title, Folders(dir)).Claim(0));
    }

    // A copy killed a moment ago still holds its lock and socket while the system
    // ends it: its socket takes a connection but never answers. A start then waits
    // for the lock and runs, rather than take the dying copy for a running one.
    void killedCopyStillEnding() {
        QTemporaryDir dir;
        const std::string base = Path(dir, "TeclariumKilled");
        TFileDescriptor lock(::open((base + ".lock").c_str(), O_CREAT | O_RDWR | O_CLOEXEC, 0600));
        QVERIFY(lock.valid() && ::flock(lock.get(), LOCK_EX) == 0);
        TFileDescriptor socket = teclarium::ListenLocal(base + ".socket");
        QVERIFY(socket.valid());
        std::thread ending([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            socket = TFileDescriptor();
            lock = TFileDescriptor();
        });
        teclarium::TSingleInstanceGuard later(QStringLiteral("TeclariumKilled"), Folders(dir));
        const bool first = later.Claim();
        ending.join();
        QVERIFY(first);
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
        teclarium::TSingleInstanceGuard first(title);
        QVERIFY(first.Claim(0));
        QVERIFY(first.Unguarded().empty());
        QVERIFY(!teclarium::TSingleInstanceGuard(title).Claim(0));
        char host[256] = {};
        QCOMPARE(::gethostname(host, sizeof host - 1), 0);
        QVERIFY(IsSocket(home + "/.teclarium-" + host + "/TeclariumSquat.socket"));
    }

    // A path too long for a socket's address still names a socket in its folder.
    void pathLength_data() {
        QTest::addColumn<int>("folderLength");  // about
        QTest::addColumn<int>("nameLength");
        QTest::addColumn<bool>("made");
        QTest::newRow("short") << 20 << 1 << true;
        QTest::newRow("just over an address") << 110 << 1 << true;
        QTest::newRow("a long home folder") << 400 << 8 << true;
        QTest::newRow("a name too long for any address") << 20 << 100 << false;
    }
    void pathLength() {
        QFETCH(int, folderLength);
        QFETCH(int, nameLength);
        QFETCH(bool, made);
        QTemporaryDir dir;
        std::string folder = dir.path().toStdString();
        while (int(folder.size()) < folderLength) {
            folder += "/carpeta-de-la-classe";
            QCOMPARE(::mkdir(folder.c_str(), 0700), 0);
        }
        const std::string path = folder + "/" + std::string(std::size_t(nameLength), 's');
        const TFileDescriptor listener = teclarium::ListenLocal(path);
        QCOMPARE(listener.valid(), made);
        QCOMPARE(IsSocket(path), made);
        const TFileDescriptor client = teclarium::ConnectLocal(path);
        QCOMPARE(client.valid(), made);
        if (made) QVERIFY(teclarium::AcceptLocal(listener.get()).valid());
    }

    // The guard takes the first folder where it can hold the lock and listen, and
    // passes every other over the same way in each copy, so that a later copy reaches
    // the first. Where none can be used, every copy runs and says which it tried.
    // Kinds: "private", "missing" (not to be made), "open" (others may enter), "lock
    // taken" (no lock file can be made), "read-only", "socket taken" (no socket can
    // be made), "long" (a path too long for a socket's address).
    void guardFolders_data() {
        QTest::addColumn<QStringList>("kinds");
        QTest::addColumn<int>("used");  // -1: none
        QTest::newRow("the runtime folder") << QStringList{"private", "private"} << 0;
        QTest::newRow("no runtime folder: the next") << QStringList{"missing", "private"} << 1;
        QTest::newRow("one others may enter: the next") << QStringList{"open", "private"} << 1;
        QTest::newRow("no lock can be made: the next") << QStringList{"lock taken", "private"} << 1;
        QTest::newRow("read-only: the next") << QStringList{"read-only", "private"} << 1;
        QTest::newRow("no socket can be made: the next") << QStringList{"socket taken", "private"} << 1;
        QTest::newRow("a long path") << QStringList{"long", "private"} << 0;
        QTest::newRow("none: runs, and says so")
            << QStringList{"missing", "lock taken", "socket taken"} << -1;
    }
    void guardFolders() {
        QFETCH(QStringList, kinds);
        QFETCH(int, used);
        // Root writes into a read-only folder: that case runs as another user.
        const bool asOther = kinds.contains("read-only") && ::geteuid() == 0;
        QTemporaryDir dir;
        QCOMPARE(::chmod(dir.path().toLocal8Bit().constData(), 0711), 0);
        const QString title = QStringLiteral("TeclariumFolders");
        std::vector<teclarium::TRuntimeFolder> folders;
        for (qsizetype i = 0; i < kinds.size(); ++i) {
            const QString& kind = kinds[i];
            std::string folder = Path(dir, "f") + std::to_string(i);
            if (kind == "long") folder += "/" + std::string(120, 'c');
            folders.push_back({folder, false});
            if (kind == "missing") continue;
            QCOMPARE(::mkdir(Path(dir, "f").append(std::to_string(i)).c_str(), 0700), 0);
            if (kind == "long") QCOMPARE(::mkdir(folder.c_str(), 0700), 0);
            if (kind == "open") QCOMPARE(::chmod(folder.c_str(), 0755), 0);
            if (kind == "lock taken") QCOMPARE(::mkdir((folder + "/TeclariumFolders.lock").c_str(), 0700), 0);
            if (kind == "socket taken") {
                QCOMPARE(::mkdir((folder + "/TeclariumFolders.socket").c_str(), 0700), 0);
                QCOMPARE(::mkdir((folder + "/TeclariumFolders.socket/x").c_str(), 0700), 0);
            }
            if (kind == "read-only") QCOMPARE(::chmod(folder.c_str(), 0500), 0);
            if (asOther) QCOMPARE(::chown(folder.c_str(), kNobody, kNobody), 0);
        }
        if (asOther) {
            TChild child(true, [&] {
                teclarium::TSingleInstanceGuard guard(title, folders);
                return guard.Claim(0) && guard.Unguarded().empty() &&
                       IsSocket(folders[std::size_t(used)].Path + "/TeclariumFolders.socket");
            });
            QVERIFY(child.WaitReady());
            return;
        }
        teclarium::TSingleInstanceGuard first(title, folders);
        QVERIFY(first.Claim(0));
        teclarium::TSingleInstanceGuard later(title, folders);
        QCOMPARE(later.Claim(0), used < 0);
        if (used >= 0) {
            QVERIFY(first.Unguarded().empty());
            QVERIFY(IsSocket(folders[std::size_t(used)].Path + "/TeclariumFolders.socket"));
            // A folder passed over keeps no lock that would hold up a later copy.
            for (int i = 0; i < used; ++i) {
                const TFileDescriptor lock(
                    ::open((folders[std::size_t(i)].Path + "/TeclariumFolders.lock").c_str(), O_RDWR));
                QVERIFY(!lock.valid() || ::flock(lock.get(), LOCK_EX | LOCK_NB) == 0);
            }
            return;
        }
        std::string expected =
            "No s'ha pogut comprovar si el programa ja s'estava executant: no s'ha pogut fer servir cap "
            "d'aquestes carpetes:";
        for (const teclarium::TRuntimeFolder& folder : folders) expected += "\r\n" + folder.Path;
        expected += "\r\nEl programa s'executar\xC3\xA0 igualment.";
        QCOMPARE(first.Unguarded(), expected);
        QCOMPARE(later.Unguarded(), expected);
    }

    // The folders come from the environment, in order; the runtime folder is never made.
    void foldersFromEnvironment() {
        QTemporaryDir dir;
        const QByteArray oldRuntime = qgetenv("XDG_RUNTIME_DIR"), oldTmp = qgetenv("TMPDIR"),
                         oldHome = qgetenv("HOME");
        qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(Path(dir, "run")));
        qputenv("TMPDIR", QByteArray::fromStdString(Path(dir, "tmp")));
        qputenv("HOME", QByteArray::fromStdString(Path(dir, "home")));
        const std::vector<teclarium::TRuntimeFolder> named = teclarium::RuntimeFolders();
        qunsetenv("XDG_RUNTIME_DIR");
        qputenv("TMPDIR", "relative");
        const std::vector<teclarium::TRuntimeFolder> unnamed = teclarium::RuntimeFolders();
        qputenv("XDG_RUNTIME_DIR", oldRuntime);
        qputenv("TMPDIR", oldTmp);
        qputenv("HOME", oldHome);
        char host[256] = {};
        QCOMPARE(::gethostname(host, sizeof host - 1), 0);
        const std::string uid = std::to_string(::getuid());
        QCOMPARE(named.size(), std::size_t(3));
        QCOMPARE(named[0].Path, Path(dir, "run"));
        QVERIFY(!named[0].Create);
        QCOMPARE(named[1].Path, Path(dir, "tmp") + "/teclarium-" + uid);
        QVERIFY(named[1].Create);
        QCOMPARE(named[2].Path, Path(dir, "home") + "/.teclarium-" + host);
        QVERIFY(named[2].Create);
        QCOMPARE(unnamed.size(), std::size_t(2));
        QCOMPARE(unnamed[0].Path, "/tmp/teclarium-" + uid);
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
