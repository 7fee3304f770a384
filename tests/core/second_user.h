// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// A second user of this computer, a classmate who shares a folder with the test's
// user: made for the test when missing (root only), commands run as them.
#pragma once

#include <grp.h>
#include <pwd.h>
#include <unistd.h>

#include <QProcess>
#include <QStringList>
#include <optional>

class TSecondUser {
  public:
    // None when the test does not run as root or the user cannot be made.
    static std::optional<TSecondUser> Make() {
        static constexpr const char* kName = "tclalumne";
        if (::geteuid() != 0) return std::nullopt;
        if (!::getpwnam(kName)) QProcess::execute("useradd", {"--no-create-home", "--user-group", kName});
        const passwd* user = ::getpwnam(kName);
        if (!user) return std::nullopt;
        return TSecondUser(user->pw_uid, user->pw_gid);
    }

    uid_t Uid() const { return FUid; }
    gid_t Gid() const { return FGid; }

    // True when the command ran as this user (their own group only) and succeeded.
    bool Run(const QStringList& command) const {
        return QProcess::execute("setpriv",
                                 QStringList{"--reuid=" + QString::number(FUid),
                                             "--regid=" + QString::number(FGid), "--clear-groups"} +
                                     command) == 0;
    }

  private:
    TSecondUser(uid_t uid, gid_t gid) : FUid(uid), FGid(gid) {}
    uid_t FUid;
    gid_t FGid;
};
