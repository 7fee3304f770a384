#include "platform/single_instance.h"

#include <sys/socket.h>
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
// Accepting failed (out of descriptors, say): wait this long rather than spin on a
// socket that stays readable.
constexpr int kAcceptRetryMs = 100;

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

TSingleInstanceGuard::TSingleInstanceGuard(const QString& title)
    : FName(QStringLiteral("%1-%2-%3").arg(title, QString::number(::getuid()), DisplayName())) {
    connect(&FListenerNotifier, &QSocketNotifier::activated, this, &TSingleInstanceGuard::AnswerConnections);
}

bool TSingleInstanceGuard::Claim() {
    const std::string name = QFile::encodeName(FName).toStdString();
    for (int attempt = 0; attempt < kClaimAttempts; ++attempt) {
        FListener = ListenLocal(name);
        if (FListener.valid()) {
            FListenerNotifier.setSocket(FListener.get());
            FListenerNotifier.setEnabled(true);
            return true;
        }
        if (TFileDescriptor client = ConnectLocal(name); client.valid()) {
            // Another user's socket under our name guards nothing of ours.
            if (!PeerIsSameUser(client.get())) return true;
            FClient = std::move(client);
            return false;
        }
        QThread::msleep(kClaimRetryMs);
    }
    // Neither listening nor connecting works: run rather than refuse to start.
    return true;
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
    if (event->type() == QEvent::Close && FListener.valid()) {
        FListenerNotifier.setEnabled(false);
        FListener = TFileDescriptor();
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace teclarium
