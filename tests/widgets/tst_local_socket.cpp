// The single-instance socket's owner check: a socket under the program's name taken
// by another user, or a connection from another user, is not one of this user's
// copies. Another user's id needs root; the process test covers the rest. And the
// guard's release when its window closes.
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QTest>
#include <string>

#include "platform/local_socket.h"
#include "platform/single_instance.h"

using teclarium::TFileDescriptor;

namespace {

constexpr uid_t kNobody = 65534;

// A forked process that takes one end of a connection, tells when it has, and ends
// when the parent closes its side of the pipe (however the test ends).
class TChild {
  public:
    TChild(bool listens, bool otherUser, const std::string& name) {
        int ready[2], done[2];
        if (::pipe2(ready, O_CLOEXEC) != 0 || ::pipe2(done, O_CLOEXEC) != 0) return;
        FReady = TFileDescriptor(ready[0]);
        FDone = TFileDescriptor(done[1]);
        const TFileDescriptor readyOut(ready[1]), doneIn(done[0]);
        FPid = ::fork();
        if (FPid != 0) return;
        FDone = TFileDescriptor();  // the parent's end: the pipe closes when the parent's does
        if (otherUser && ::setuid(kNobody) != 0) ::_exit(1);
        const TFileDescriptor socket = listens ? teclarium::ListenLocal(name) : teclarium::ConnectLocal(name);
        char byte = 'x';
        if (socket.valid() && ::write(readyOut.get(), &byte, 1) == 1) (void)::read(doneIn.get(), &byte, 1);
        ::_exit(0);
    }
    ~TChild() {
        FDone = TFileDescriptor();
        if (FPid > 0) ::waitpid(FPid, nullptr, 0);
    }
    // Whether the child holds its end (false when it could not).
    bool WaitReady() {
        char byte;
        return FPid > 0 && ::read(FReady.get(), &byte, 1) == 1;
    }

  private:
    TFileDescriptor FReady, FDone;
    pid_t FPid = -1;
};

}  // namespace

class TestLocalSocket : public QObject {
    Q_OBJECT

  private slots:
    // A copy whose window is closing answers no later copy: the next start runs.
    void releasedWhenTheWindowCloses() {
        const QString title = QStringLiteral("TeclariumRelease-%1").arg(QCoreApplication::applicationPid());
        teclarium::TSingleInstanceGuard first(title);
        QVERIFY(first.Claim());
        QVERIFY(!teclarium::TSingleInstanceGuard(title).Claim());
        QObject window;
        first.ReleaseOnClose(window);
        QCloseEvent close;
        QCoreApplication::sendEvent(&window, &close);
        QVERIFY(teclarium::TSingleInstanceGuard(title).Claim());
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
        const std::string name = "teclarium-test-" + std::to_string(::getpid());
        const TFileDescriptor listener = childListens ? TFileDescriptor() : teclarium::ListenLocal(name);
        QVERIFY(childListens || listener.valid());
        TChild child(childListens, otherUser, name);
        QVERIFY(child.WaitReady());
        const TFileDescriptor end =
            childListens ? teclarium::ConnectLocal(name) : teclarium::AcceptLocal(listener.get());
        QVERIFY(end.valid());
        QCOMPARE(teclarium::PeerIsSameUser(end.get()), !otherUser);
    }
};

QTEST_MAIN(TestLocalSocket)
#include "tst_local_socket.moc"
