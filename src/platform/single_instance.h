// One running copy of the program per user and display. The first copy holds a lock
// on a file in the user's private runtime folder for its whole life, and listens on a
// socket beside it; a later copy connects, which asks the first to bring its windows
// forward, and stays connected until it ends, when the first copy takes the focus
// again. No other user can reach the folder, so no one can take the place first.
#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <QString>
#include <string>

#include "util/file_descriptor.h"

namespace teclarium {

inline constexpr const char* kMsgAlreadyRunning =
    "S'ha ordenat d'executar el programa, quan ja s'estava executant, es retornarà al que s'executava "
    "en primer lloc";

class TSingleInstanceGuard : public QObject {
  public:
    // The lock and socket lie in folder (a private one, ending without a delimiter);
    // with none, every copy runs.
    TSingleInstanceGuard(const QString& title, std::string folder);
    explicit TSingleInstanceGuard(const QString& title);
    ~TSingleInstanceGuard() override;

    // True when this copy is the first one (it answers later copies from now on);
    // false when another copy runs and has been asked to come forward, or is still
    // closing after waitMs.
    bool Claim(int waitMs = kClosingWaitMs);

    // A copy that is closing still writes its settings: a later start waits this long
    // for it to end, then runs after it.
    static constexpr int kClosingWaitMs = 5000;

    // From the window's close on, this copy answers no later copy: one that starts
    // meanwhile waits for this copy to end (it keeps the lock until then), and reads
    // the settings this copy writes.
    void ReleaseOnClose(QObject& window) { window.installEventFilter(this); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void AnswerConnections();
    void StopListening();

    std::string FLockPath, FSocketPath;
    TFileDescriptor FLock;                                     // held by the first copy until it ends
    TFileDescriptor FListener;                                 // the first copy's socket
    QSocketNotifier FListenerNotifier{QSocketNotifier::Read};  // after it: gone before it closes
    TFileDescriptor FClient;                                   // a later copy's connection to the first
};

// Brings the program's windows forward: every window restored if minimised and
// raised, the active modal dialog on top, and the input focus given to it (or to
// the main window).
void RaiseApplicationWindows();

}  // namespace teclarium
