#include "platform/single_instance.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QDialog>
#include <QLocalSocket>
#include <QThread>
#include <QWidget>
#include <QWindow>

// X11 headers last: they define names that clash with Qt's.
#include <X11/Xlib.h>
#include <xcb/xcb.h>
#undef None

namespace teclarium {
namespace {

// How long two copies starting together may keep missing each other (one listens
// between the other's failed listen and its connect, or the first is ending).
constexpr int kClaimAttempts = 100;
constexpr int kClaimRetryMs = 20;
constexpr int kConnectTimeoutMs = 2000;

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

// Abstract sockets have no owner: only a copy of the same user counts.
bool PeerIsSameUser(qintptr descriptor) {
    ucred peer{};
    socklen_t size = sizeof peer;
    return ::getsockopt(int(descriptor), SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 &&
           peer.uid == ::getuid();
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

}  // namespace

TSingleInstanceGuard::TSingleInstanceGuard(const QString& title)
    : FName(QStringLiteral("%1-%2-%3").arg(title, QString::number(::getuid()), DisplayName())) {
    FServer.setSocketOptions(QLocalServer::AbstractNamespaceOption);
    FClient.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
}

bool TSingleInstanceGuard::Claim() {
    for (int attempt = 0; attempt < kClaimAttempts; ++attempt) {
        if (FServer.listen(FName)) {
            connect(&FServer, &QLocalServer::newConnection, this, &TSingleInstanceGuard::AnswerConnections);
            return true;
        }
        FClient.connectToServer(FName);
        if (FClient.waitForConnected(kConnectTimeoutMs)) {
            // Another user's socket under our name guards nothing of ours.
            if (PeerIsSameUser(FClient.socketDescriptor())) return false;
            FClient.abort();
            return true;
        }
        QThread::msleep(kClaimRetryMs);
    }
    // Neither listening nor connecting works: run rather than refuse to start.
    return true;
}

void TSingleInstanceGuard::AnswerConnections() {
    while (QLocalSocket* socket = FServer.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        if (!PeerIsSameUser(socket->socketDescriptor())) {
            socket->abort();
            continue;
        }
        RaiseApplicationWindows();
        // The later copy's message box has taken the focus; it comes back when that copy ends.
        connect(socket, &QLocalSocket::disconnected, this, &RaiseApplicationWindows);
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

}  // namespace teclarium
