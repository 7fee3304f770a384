// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// One running copy of the program per user and display. The first copy holds a lock
// on a file in the user's private runtime folder for its whole life, and listens on a
// socket beside it (both removed at its end); a later copy connects, which asks the
// first to bring its windows forward, and stays connected until it ends, when the
// first copy takes the focus again. No other user can reach the folder, so no one
// can take the place first.
#pragma once

#include <QDeadlineTimer>
#include <QObject>
#include <QSocketNotifier>
#include <QString>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/runtime_folder.h"
#include "util/file_descriptor.h"

namespace teclarium {

inline constexpr const char* kMsgAlreadyRunning =
    "S'ha ordenat d'executar el programa, quan ja s'estava executant, es retornarà al que s'executava "
    "en primer lloc";
// %s: the folders tried, one per line.
inline constexpr std::string_view kMsgNotGuarded =
    "No s'ha pogut comprovar si el programa ja s'estava executant: no s'ha pogut fer servir cap "
    "d'aquestes carpetes:%s\r\nEl programa s'executarà igualment.";

class TSingleInstanceGuard : public QObject {
  public:
    // The lock and socket lie in the first of folders (ending without a delimiter)
    // that is private and where both can be made.
    TSingleInstanceGuard(const QString& title, std::vector<TRuntimeFolder> folders);
    explicit TSingleInstanceGuard(const QString& title);
    ~TSingleInstanceGuard() override;

    // True when this copy is the first one (it answers later copies from now on);
    // false when another copy runs and has been asked to come forward, or is still
    // closing after waitMs. A copy that was killed and is still ending never answers:
    // its lock is waited for. True as well when no folder can be used: the program runs
    // unguarded, and Unguarded() says so.
    bool Claim(int waitMs = kClosingWaitMs);
    // After Claim, the message naming the folders tried when none could be used
    // (shown once); empty otherwise.
    const std::string& Unguarded() const { return FUnguarded; }

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
    // True or false as Claim, in one folder; none when it cannot be used there.
    std::optional<bool> ClaimIn(const TRuntimeFolder& folder, const QDeadlineTimer& deadline);
    void AnswerConnections();
    void StopListening();

    std::vector<TRuntimeFolder> FFolders;
    std::string FName;  // of the lock and socket, without extension
    std::string FSocketPath;
    std::string FLockPath;  // the first copy's, removed at its end
    std::string FUnguarded;
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
