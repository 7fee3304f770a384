// One running copy of the program per user and display. The first copy listens on
// a local socket in the abstract namespace (nothing left behind after a crash);
// a later copy connects to it, which asks the first to bring its windows forward,
// and stays connected until it ends, when the first copy takes the focus again.
#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <QString>

#include "util/file_descriptor.h"

namespace teclarium {

inline constexpr const char* kMsgAlreadyRunning =
    "S'ha ordenat d'executar el programa, quan ja s'estava executant, es retornarà al que s'executava "
    "en primer lloc";

class TSingleInstanceGuard : public QObject {
  public:
    explicit TSingleInstanceGuard(const QString& title);

    // True when this copy is the first one (it answers later copies from now on);
    // false when another copy runs and has been asked to come forward.
    bool Claim();

    // The socket name: the title, the user id and the display.
    const QString& Name() const { return FName; }

    // From the window's close on, this copy answers no later copy: a start while it
    // closes (its last message boxes open) runs as the first copy instead of being
    // sent back to one that is ending.
    void ReleaseOnClose(QObject& window) { window.installEventFilter(this); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void AnswerConnections();

    QString FName;
    TFileDescriptor FListener;                                 // the first copy's socket
    QSocketNotifier FListenerNotifier{QSocketNotifier::Read};  // after it: gone before it closes
    TFileDescriptor FClient;                                   // a later copy's connection to the first
};

// Brings the program's windows forward: every window restored if minimised and
// raised, the active modal dialog on top, and the input focus given to it (or to
// the main window).
void RaiseApplicationWindows();

}  // namespace teclarium
