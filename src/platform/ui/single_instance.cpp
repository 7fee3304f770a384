// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "platform/ui/single_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include "platform/local_socket.h"
#include "platform/runtime_folder.h"
#include "util/messages.h"

// X11 headers last: they define names that clash with Qt's.
#include <X11/Xlib.h>
#include <xcb/xcb.h>
#undef None

namespace teclarium {
namespace {

// How often a later copy looks again while the first one starts or ends.
constexpr int kClaimRetryMs = 20;
// Accepting failed (out of descriptors, say): wait this long rather than spin on a
// socket that stays readable.
constexpr int kAcceptRetryMs = 100;

// What the running copy sends to each later copy that it has taken: it is alive.
constexpr char kAnswer = '!';

// What became of a connection to the lock's holder.
enum class THolder { Answered, Silent, Gone };
THolder HolderAnswer(int socket) {
    char byte;
    ssize_t got;
    do got = ::recv(socket, &byte, 1, MSG_DONTWAIT);
    while (got < 0 && errno == EINTR);
    if (got > 0) return THolder::Answered;
    return got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK) ? THolder::Silent : THolder::Gone;
}

auto* X11() {
    return qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
}

// The X display without its screen number (":0.0" and ":0" are one desktop).
QString DisplayName() {
    auto* x11 = X11();
    if (!x11 || !x11->display()) return {};
    QString name = QString::fromLocal8Bit(XDisplayString(x11->display()));
    const qsizetype colon = name.lastIndexOf(':');
    const qsizetype dot = name.indexOf('.', colon);
    if (colon >= 0 && dot > colon) name.truncate(dot);
    return name;
}

// Whether the open file descriptor is the file that path names now.
bool IsNamedFile(int descriptor, const std::string& path) {
    struct stat held = {};
    struct stat named = {};
    return ::fstat(descriptor, &held) == 0 && ::lstat(path.c_str(), &named) == 0 &&
           held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}

void GiveInputFocus(QWidget* window) {
    auto* x11 = X11();
    QWindow* handle = window->windowHandle();
    // Without a window manager only the X server moves the focus; a window not yet
    // mapped cannot take it.
    if (!x11 || !x11->connection() || !handle || !handle->isExposed()) return;
    xcb_set_input_focus(x11->connection(), XCB_INPUT_FOCUS_PARENT, xcb_window_t(window->winId()),
                        XCB_CURRENT_TIME);
    xcb_flush(x11->connection());
}

// A later copy's connection. The copy sends nothing; its end (it has shown its
// message and ended) gives the focus back to this copy.
class TLaterCopy : public QObject {
  public:
    TLaterCopy(TFileDescriptor socket, QObject* parent)
        : QObject(parent), FSocket(std::move(socket)), FNotifier(FSocket.get(), QSocketNotifier::Read) {
        connect(&FNotifier, &QSocketNotifier::activated, this, &TLaterCopy::Read);
    }

  private:
    void Read() {
        char bytes[64];
        ssize_t got;
        do got = ::recv(FSocket.get(), bytes, sizeof bytes, 0);
        while (got < 0 && errno == EINTR);
        // Whatever is sent is dropped; one read per wake-up keeps a chatty peer from
        // holding the event loop.
        if (got > 0 || (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))) return;
        FNotifier.setEnabled(false);
        deleteLater();
        RaiseApplicationWindows();
    }

    TFileDescriptor FSocket;
    QSocketNotifier FNotifier;  // after the socket: gone before it closes
};

}  // namespace

TSingleInstanceGuard::TSingleInstanceGuard(const QString& title, std::vector<TRuntimeFolder> folders)
    : FFolders(std::move(folders)) {
    // One place per display; the display name may hold a delimiter.
    QString name = title;
    if (const QString display = DisplayName(); !display.isEmpty()) name += '-' + display;
    name.replace('/', '_');
    FName = QFile::encodeName(name).toStdString();
    connect(&FListenerNotifier, &QSocketNotifier::activated, this, &TSingleInstanceGuard::AnswerConnections);
}

TSingleInstanceGuard::TSingleInstanceGuard(const QString& title)
    : TSingleInstanceGuard(title, RuntimeFolders()) {}

TSingleInstanceGuard::~TSingleInstanceGuard() {
    StopListening();
    // Removed while still locked (the lock goes with the object's end just after).
    if (FLock.valid()) ::unlink(FLockPath.c_str());
}

bool TSingleInstanceGuard::Claim(int waitMs) {
    const QDeadlineTimer deadline(waitMs);
    std::string tried;
    for (const TRuntimeFolder& folder : FFolders) {
        if (const std::optional<bool> first = ClaimIn(folder, deadline)) return *first;
        tried.append("\r\n").append(folder.Path);
    }
    // Nowhere private to meet: run rather than refuse to start, and say so.
    FSocketPath.clear();
    FUnguarded = Format(kMsgNotGuarded, tried);
    return true;
}

std::optional<bool> TSingleInstanceGuard::ClaimIn(const TRuntimeFolder& folder,
                                                  const QDeadlineTimer& deadline) {
    if (!IsPrivateFolder(folder.Path, folder.Create)) return std::nullopt;
    const std::string base = folder.Path + '/' + FName;
    FSocketPath = base + ".socket";
    const std::string lockPath = base + ".lock";
    TFileDescriptor client;  // to the lock's holder, until it answers
    for (;;) {
        // A folder that cannot be written (or is full) is passed over: every copy passes it.
        TFileDescriptor lock(::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600));
        if (!lock.valid()) return std::nullopt;
        if (::flock(lock.get(), LOCK_EX | LOCK_NB) == 0) {
            // The copy before removes the file at its end, still holding the lock: one
            // opened before that is no longer the place, the file there now is.
            if (!IsNamedFile(lock.get(), lockPath)) continue;
            // The lock's holder owns the socket's name: a file left by a copy that was
            // killed is stale.
            ::unlink(FSocketPath.c_str());
            FListener = ListenLocal(FSocketPath);
            // Where no socket can be made no later copy could reach this one: the lock
            // goes, and a later copy passes this folder too.
            if (!FListener.valid()) return std::nullopt;
            FLock = std::move(lock);
            FLockPath = lockPath;
            FListenerNotifier.setSocket(FListener.get());
            FListenerNotifier.setEnabled(true);
            return true;
        }
        // A file system without locks guards nothing.
        if (errno != EWOULDBLOCK && errno != EINTR) return std::nullopt;
        // The first copy answers while it runs; while it starts or closes, wait. A copy
        // that was killed still holds its lock and socket while the system ends it: its
        // socket takes the connection but never answers, and drops it as it goes.
        if (!client.valid()) {
            client = ConnectLocal(FSocketPath);
            if (client.valid() && !PeerIsSameUser(client.get())) client = TFileDescriptor();
        }
        const THolder holder = client.valid() ? HolderAnswer(client.get()) : THolder::Gone;
        if (holder == THolder::Gone) client = TFileDescriptor();
        // A copy busy past the deadline answers once it can: it comes forward then.
        if (holder == THolder::Answered || (deadline.hasExpired() && client.valid())) {
            FClient = std::move(client);
            return false;
        }
        if (deadline.hasExpired()) return false;
        QThread::msleep(kClaimRetryMs);
    }
}

void TSingleInstanceGuard::StopListening() {
    if (!FListener.valid()) return;
    FListenerNotifier.setEnabled(false);
    FListener = TFileDescriptor();
    ::unlink(FSocketPath.c_str());
}

void TSingleInstanceGuard::AnswerConnections() {
    for (;;) {
        TFileDescriptor socket = AcceptLocal(FListener.get());
        if (!socket.valid()) {
            if (errno != EAGAIN && errno != EWOULDBLOCK) {
                FListenerNotifier.setEnabled(false);
                QTimer::singleShot(kAcceptRetryMs, this,
                                   [this] { FListenerNotifier.setEnabled(FListener.valid()); });
            }
            return;
        }
        if (!PeerIsSameUser(socket.get())) continue;
        // A full or closed connection needs no answer: that copy ends either way.
        [[maybe_unused]] const ssize_t sent = ::send(socket.get(), &kAnswer, 1, MSG_NOSIGNAL);
        RaiseApplicationWindows();
        // Its message box has taken the focus; it comes back when that copy ends.
        new TLaterCopy(std::move(socket), this);
    }
}

void RaiseApplicationWindows() {
    QWidget* focus = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible() || window->windowType() == Qt::Popup || window->windowType() == Qt::ToolTip)
            continue;
        if (window->isMinimized()) window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
        window->raise();
        if (!focus && !qobject_cast<QDialog*>(window)) focus = window;
    }
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->raise();
        focus = modal;
    }
    if (!focus) return;
    focus->activateWindow();
    GiveInputFocus(focus);
}

bool TSingleInstanceGuard::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Close) StopListening();
    return QObject::eventFilter(watched, event);
}

}  // namespace teclarium
